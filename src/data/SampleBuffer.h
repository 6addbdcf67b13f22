// An array of detector samples shared between copies (copy on write): copying a buffer shares its
// values, and an edit first gives the edited buffer values of its own, so that no other holder, such
// as a calibration's inputs, ever sees the change. Units are those of the samples. Like the vector it
// replaces, one buffer is not edited and copied from two threads at once (Channel's lock sees to it).
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

template <typename T>
class SampleBuffer {
public:
    using value_type = T;
    using const_iterator = typename std::vector<T>::const_iterator;
    using iterator = const_iterator;

    SampleBuffer() = default;
    // Takes the values over; implicit, so that a buffer is filled like the vector it wraps.
    SampleBuffer(std::vector<T> values) : values_(std::make_shared<std::vector<T>>(std::move(values))) {}
    SampleBuffer& operator=(std::vector<T> values) { return *this = SampleBuffer(std::move(values)); }

    // The values; an empty vector for an empty buffer.
    const std::vector<T>& Values() const { return values_ ? *values_ : Empty(); }
    operator const std::vector<T>&() const { return Values(); }

    // Values of this buffer alone, copied first when another buffer shares them. Write through the
    // reference only before this buffer is next copied: a copy shares whatever is written later.
    std::vector<T>& Edit() {
        if (!values_)
            values_ = std::make_shared<std::vector<T>>();
        else if (values_.use_count() > 1)
            values_ = std::make_shared<std::vector<T>>(*values_);
        return *values_;
    }

    // Whether both buffers hold the very same values, not merely equal ones.
    bool SharesValuesWith(const SampleBuffer& other) const { return values_ && values_ == other.values_; }

    size_t size() const { return Values().size(); }
    bool empty() const { return Values().empty(); }
    const T* data() const { return Values().data(); }
    const T& operator[](size_t i) const { return Values()[i]; }
    const_iterator begin() const { return Values().begin(); }
    const_iterator end() const { return Values().end(); }
    // Drops this buffer's share; the values stay with their other holders.
    void clear() { values_.reset(); }
    void assign(size_t count, const T& value) { *this = std::vector<T>(count, value); }

    friend bool operator==(const SampleBuffer& a, const SampleBuffer& b) { return a.Values() == b.Values(); }
    friend bool operator==(const SampleBuffer& a, const std::vector<T>& b) { return a.Values() == b; }

private:
    static const std::vector<T>& Empty() {
        static const std::vector<T> none;
        return none;
    }

    // Null when empty. Only Edit hands out the values for writing, and only when no other buffer holds them.
    std::shared_ptr<std::vector<T>> values_;
};
