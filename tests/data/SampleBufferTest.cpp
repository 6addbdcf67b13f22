// Sample buffers shared between copies: a copy shares the values, an edit unshares only the edited one.
#include "data/Assay.h"
#include "data/SampleBuffer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(SampleBuffer, CopiedChannelSharesItsSamples) {
    Channel source;
    source.samples = std::vector<float>{1.0f, 2.0f, 3.0f};
    const Channel copy = source;
    EXPECT_TRUE(copy.samples.SharesValuesWith(source.samples));
    EXPECT_EQ(copy.samples.data(), source.samples.data());
}

// The record's signals share the channel's samples, as loading fills them.
TEST(SampleBuffer, EditingACopyLeavesTheOtherHoldersAlone) {
    Assay original;
    original.channels.emplace_back();
    original.channels[0].samples = std::vector<float>{1.0f, 2.0f};
    original.signals.push_back(original.channels[0].samples);
    Assay copy = original;

    copy.channels[0].samples.Edit()[0] = 9.0f;

    EXPECT_EQ(original.channels[0].samples, (std::vector<float>{1.0f, 2.0f}));
    EXPECT_EQ(original.signals[0], (std::vector<double>{1.0, 2.0}));
    EXPECT_EQ(copy.channels[0].samples, (std::vector<float>{9.0f, 2.0f}));
    EXPECT_EQ(copy.signals[0], (std::vector<double>{1.0, 2.0}));
    EXPECT_FALSE(copy.channels[0].samples.SharesValuesWith(original.channels[0].samples));
    EXPECT_TRUE(copy.signals[0].SharesValuesWith(original.signals[0]));
}

TEST(SampleBuffer, SoleHolderEditsInPlace) {
    SampleBuffer<float> buffer(std::vector<float>{1.0f, 2.0f});
    const float* before = buffer.data();
    buffer.Edit()[1] = 5.0f;
    EXPECT_EQ(buffer.data(), before);
    EXPECT_EQ(buffer, (std::vector<float>{1.0f, 5.0f}));
}

struct EmptyBufferCase {
    const char* name;
    bool filledFirst;
};

class EmptySampleBuffer : public testing::TestWithParam<EmptyBufferCase> {};

// A new buffer and a cleared one read as empty, and an edit gives them values of their own.
TEST_P(EmptySampleBuffer, ReadsEmptyAndTakesEdits) {
    SampleBuffer<double> other(std::vector<double>{4.0});
    SampleBuffer<double> buffer;
    if (GetParam().filledFirst) {
        buffer = other;
        buffer.clear();
    }
    EXPECT_TRUE(buffer.empty());
    EXPECT_EQ(buffer.size(), 0u);
    EXPECT_EQ(buffer.begin(), buffer.end());
    buffer.Edit().push_back(7.0);
    EXPECT_EQ(buffer, (std::vector<double>{7.0}));
    EXPECT_EQ(other, (std::vector<double>{4.0}));
}

INSTANTIATE_TEST_SUITE_P(Cases, EmptySampleBuffer,
                         testing::Values(EmptyBufferCase{"New", false}, EmptyBufferCase{"ClearedAfterSharing", true}),
                         [](const testing::TestParamInfo<EmptyBufferCase>& info) {
                             return std::string(info.param.name);
                         });
