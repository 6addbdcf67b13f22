// Reading and writing the XML part of a chromatogram file with pugixml. Each record's stored values are
// listed once (VisitValues); reading and writing both walk that list, so the two stay in step.
#include "data/ChromatogramXml.h"

#include "base/NumberText.h"

#include <pugixml.hpp>

#include <algorithm>
#include <concepts>
#include <type_traits>

namespace ChromatogramXml {
namespace {

template <typename Record, typename T>
concept RecordOf = std::same_as<std::remove_const_t<Record>, T>;

// The ten single values of the passport, in document order; columns and fields follow them.
template <RecordOf<Passport> Record, typename Visit>
void VisitValues(Record& passport, Visit&& visit) {
    visit("assayid", passport.assayId);
    visit("series", passport.series);
    visit("andate", passport.anDate);
    visit("duration", passport.duration);
    visit("sample", passport.sample);
    visit("method", passport.method);
    visit("graduation", passport.graduation);
    visit("date", passport.date);
    visit("defect", passport.defect);
    visit("mixture", passport.mixture);
}

template <RecordOf<ColumnInfo> Record, typename Visit>
void VisitValues(Record& column, Visit&& visit) {
    visit("channel", column.channel);
    visit("name", column.name);
    visit("brand", column.brand);
    visit("type", column.type);
    visit("diameter", column.diameter);
    visit("length", column.length);
    visit("carrier", column.carrier);
    visit("phase", column.phase);
    visit("percent", column.percent);
    visit("unit", column.unit);
    visit("fraction0", column.fraction0);
    visit("fraction1", column.fraction1);
    visit("film", column.film);
    visit("part", column.part);
    visit("serial", column.serial);
}

// molarMass and componentText are worked out by this system and never stored.
template <RecordOf<TableItem> Record, typename Visit>
void VisitValues(Record& item, Visit&& visit) {
    visit("front", item.front);
    visit("back", item.back);
    visit("time", item.time);
    visit("area", item.area);
    visit("height", item.height);
    visit("concent", item.concent);
    visit("name", item.name);
    visit("reference", item.reference);
    visit("left", item.left);
    visit("right", item.right);
    visit("flags", item.flags);
    visit("front_base_height", item.frontBaseHeight);
    visit("back_base_height", item.backBaseHeight);
    visit("index", item.index);
}

// The attribute's value in pugixml's conversions (integers clamped to the type's range, the first character
// deciding a bool); fallback when the attribute is missing.
std::string ValueOf(pugi::xml_attribute value, const std::string& fallback) {
    return value ? value.as_string() : fallback;
}
int32_t ValueOf(pugi::xml_attribute value, int32_t fallback) { return value.as_int(fallback); }
uint32_t ValueOf(pugi::xml_attribute value, uint32_t fallback) { return value.as_uint(fallback); }
int64_t ValueOf(pugi::xml_attribute value, int64_t fallback) { return value.as_llong(fallback); }
bool ValueOf(pugi::xml_attribute value, bool fallback) { return value.as_bool(fallback); }
double ValueOf(pugi::xml_attribute value, double fallback) {
    return value ? ParseLeadingDouble(value.value()).value_or(0.0) : fallback;
}

void SetValue(pugi::xml_attribute attribute, const std::string& value) { attribute.set_value(value.c_str()); }
void SetValue(pugi::xml_attribute attribute, int32_t value) { attribute.set_value(value); }
void SetValue(pugi::xml_attribute attribute, uint32_t value) { attribute.set_value(value); }
void SetValue(pugi::xml_attribute attribute, int64_t value) { attribute.set_value(static_cast<long long>(value)); }
void SetValue(pugi::xml_attribute attribute, bool value) { attribute.set_value(value); }
void SetValue(pugi::xml_attribute attribute, double value) { attribute.set_value(FormatGeneral(value, 17).c_str()); }

// A new record whose stored values come from the children of element; a missing one keeps the
// record's default (so "left" and "right" stay -1).
template <typename Record>
Record ReadRecord(pugi::xml_node element) {
    Record record;
    VisitValues(record,
                [&](const char* name, auto& field) { field = ValueOf(element.child(name).attribute("value"), field); });
    return record;
}

// One child per stored value, each carrying it in the attribute "value".
template <typename Record>
void WriteValues(pugi::xml_node element, const Record& record) {
    VisitValues(record, [&](const char* name, const auto& field) {
        SetValue(element.append_child(name).append_attribute("value"), field);
    });
}

// Sets the passport value named like child, if any; false for a name that is not one of them.
bool ReadPassportValue(pugi::xml_node child, Passport& passport) {
    bool found = false;
    VisitValues(passport, [&](const char* name, auto& field) {
        if (found || std::string_view(child.name()) != name) return;
        field = ValueOf(child.attribute("value"), std::remove_reference_t<decltype(field)>{});
        found = true;
    });
    return found;
}

void ReadPassport(pugi::xml_node element, Passport& passport) {
    passport.columns.clear();
    passport.fields.clear();
    for (pugi::xml_node child : element.children()) {
        if (ReadPassportValue(child, passport)) continue;
        if (std::string_view(child.name()) == "column")
            passport.columns.push_back(ReadRecord<ColumnInfo>(child));
        else
            passport.fields.push_back(
                {child.name(), child.attribute("title").as_string(), child.attribute("value").as_string()});
    }
}

void ReadChannelTables(pugi::xml_node element, std::vector<Channel>& channels) {
    for (pugi::xml_node channelElement = element.child("channel"); channelElement;
         channelElement = channelElement.next_sibling("channel")) {
        const pugi::xml_attribute numberValue = channelElement.child("number").attribute("value");
        if (!numberValue) continue;
        const int32_t number = numberValue.as_int();
        if (number < 0) continue;
        const auto channel =
            std::find_if(channels.begin(), channels.end(), [number](const Channel& c) { return c.number == number; });
        if (channel == channels.end()) continue;
        channel->table.clear();
        for (pugi::xml_node item = channelElement.child("table").child("item"); item; item = item.next_sibling("item"))
            channel->table.push_back(ReadRecord<TableItem>(item));
    }
}

void WritePassport(pugi::xml_node element, const Passport& passport) {
    element.append_attribute("version") = 1;
    WriteValues(element, passport);
    for (const ColumnInfo& column : passport.columns) WriteValues(element.append_child("column"), column);
    for (const PassportField& field : passport.fields) {
        pugi::xml_node fieldElement = element.append_child(field.name.c_str());
        fieldElement.append_attribute("title") = field.title.c_str();
        fieldElement.append_attribute("value") = field.value.c_str();
    }
}

void WriteChannelTables(pugi::xml_node element, const std::vector<Channel>& channels) {
    element.append_attribute("version") = 1;
    for (const Channel& channel : channels) {
        pugi::xml_node channelElement = element.append_child("channel");
        SetValue(channelElement.append_child("number").append_attribute("value"), channel.number);
        pugi::xml_node table = channelElement.append_child("table");
        for (const TableItem& item : channel.table) WriteValues(table.append_child("item"), item);
    }
}

class StringWriter : public pugi::xml_writer {
public:
    void write(const void* data, size_t size) override { text.append(static_cast<const char*>(data), size); }
    std::string text;
};

}  // namespace

// pugixml's parser does not recurse (nesting depth costs heap, not stack), DTD entities are never
// expanded, and only fixed paths below "root" are visited here, so any input is read in time and memory
// proportional to its size.
bool Read(std::string_view text, Passport& passport, std::vector<Channel>& channels) {
    pugi::xml_document document;
    if (!document.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8)) return false;
    const pugi::xml_node root = document.child("root");
    if (const pugi::xml_node element = root.child("passport")) ReadPassport(element, passport);
    if (const pugi::xml_node element = root.child("channels")) ReadChannelTables(element, channels);
    return true;
}

std::string Write(const Passport& passport, const std::vector<Channel>& channels) {
    pugi::xml_document document;
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "utf-8";
    pugi::xml_node root = document.append_child("root");
    root.append_attribute("version") = 1;
    WritePassport(root.append_child("passport"), passport);
    WriteChannelTables(root.append_child("channels"), channels);
    StringWriter writer;
    document.save(writer, "", pugi::format_raw, pugi::encoding_utf8);
    return writer.text;
}

}  // namespace ChromatogramXml
