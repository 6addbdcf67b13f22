#include "WorkbenchInvariants.h"

#include "gpc/SampleRowTexts.h"

#include <charconv>
#include <cstdlib>
#include <optional>
#include <regex>

namespace {

constexpr int kBroadStandardType = 1;  // "Полидисперсный": its line has no points
constexpr int kDemoChannels = 2;  // every demo run has a refractive-index and an ultraviolet channel

std::string Joined(const std::vector<std::string>& cells) {
    std::string text;
    for (const std::string& cell : cells) text += (text.empty() ? "" : " | ") + cell;
    return text;
}

template <typename Shown, typename Expected>
std::string Differs(const std::string& what, const Shown& shown, const Expected& expected) {
    const std::vector<std::string> a(shown.begin(), shown.end());
    const std::vector<std::string> b(expected.begin(), expected.end());
    if (a == b) return {};
    return what + " shows '" + Joined(a) + "', a fresh calculation gives '" + Joined(b) + "'";
}

// The number a user reads at the start of an edit's text: blanks, a sign, digits with a point, an
// exponent; what follows is not part of it. None when the text does not start with a number.
std::optional<double> LeadingNumber(const std::string& text) {
    static const std::regex number(R"(^\s*([+-]?)((\d+\.?\d*|\.\d+)([eE][+-]?\d+)?))");
    std::smatch match;
    if (!std::regex_search(text, match, number)) return std::nullopt;
    const std::string digits = match[1].str() == "-" ? "-" + match[2].str() : match[2].str();
    double value = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return value;
}

int32_t IdShownAs(const DemoDataSet& set, const std::string& fileName) {
    const DemoAssay* assay = AssayShownAs(set, fileName);
    return assay == nullptr ? -1 : assay->id;
}

std::string ListedAsDone(const ShownWorkbench& shown, const UserModel& model, const DemoDataSet& set) {
    std::vector<std::string> shownIds;
    std::vector<std::string> doneIds;
    for (const ShownRow& row : shown.assays)
        shownIds.push_back(std::to_string(IdShownAs(set, row.cells.at(1))) + (row.checked ? "+" : ""));
    for (int32_t id : model.listed) doneIds.push_back(std::to_string(id) + (model.included.count(id) ? "+" : ""));
    if (shownIds == doneIds) return {};
    return "the assays list shows ids '" + Joined(shownIds) + "' (+ ticked), the actions leave '" + Joined(doneIds) +
           "'";
}

std::string PointsOfTheStandards(const ShownWorkbench& shown, const UserModel& model, const DemoDataSet& set) {
    size_t expected = 0;
    const bool withPoints = shown.type != kBroadStandardType && shown.channel >= 0 && shown.channel < kDemoChannels;
    for (const DemoAssay& assay : set.assays)
        if (withPoints && model.included.count(assay.id)) expected += assay.standards.size();
    if (shown.points.size() != expected)
        return "the points list has " + std::to_string(shown.points.size()) + " rows, the ticked runs hold " +
               std::to_string(expected) + " named standards";
    if (model.toggledPoint) {
        const auto [row, checked] = *model.toggledPoint;
        if (shown.points.at(row).checked != checked)
            return "the toggled points row " + std::to_string(row + 1) + " does not show its new check box";
    }
    return {};
}

std::string NothingOfOtherAssays(const ShownWorkbench& shown, const UserModel& model, const DemoDataSet& set) {
    for (const ShownRow& row : shown.results) {
        const DemoAssay* assay = AssayShownAs(set, row.cells.at(0));
        if (assay == nullptr || model.included.count(assay->id) == 0 || row.cells.at(1) != assay->sample)
            return "the results list shows '" + Joined(row.cells) + "', which is no ticked assay";
    }
    for (const ShownRow& row : shown.points) {
        const size_t position = std::strtoul(row.cells.at(0).c_str(), nullptr, 10);
        if (position < 1 || position > model.listed.size() || model.included.count(model.listed[position - 1]) == 0)
            return "the points list shows '" + row.cells.at(0) + "', which is no ticked assay";
    }
    return {};
}

// The edits' texts as the calculation takes them; a left edit that holds no number is broken.
std::string ReadNumbers(const ShownWorkbench& shown, WorkbenchInputs& inputs) {
    for (const auto& [label, text, value] :
         {std::tuple<const char*, const std::string&, double&>{"K", shown.kText, inputs.K},
          {"Alpha", shown.alphaText, inputs.Alpha}}) {
        const std::optional<double> number = LeadingNumber(text);
        if (!number) return std::string("the left edit ") + label + " shows '" + text + "', no number";
        value = *number;
    }
    for (const auto& [label, text, value] :
         {std::tuple<const char*, const std::optional<std::string>&, std::optional<double>&>{
              "K стандартов", shown.standardKText, inputs.standards.K},
          {"Alpha стандартов", shown.standardAlphaText, inputs.standards.Alpha},
          {"Mn стандарта", shown.broadMnText, inputs.standards.broadMn},
          {"Mw стандарта", shown.broadMwText, inputs.standards.broadMw}}) {
        if (!text || text->empty()) continue;
        value = LeadingNumber(*text);
        if (!value) return std::string("the left edit ") + label + " shows '" + *text + "', no number";
    }
    return {};
}

// The points row's expected cells under the titles the list shows: the point and its time, the
// type's columns by their titles, the fit's two columns last.
std::vector<std::string> PointCells(const PointsListRow& row, const std::vector<std::string>& titles) {
    std::vector<std::string> cells;
    for (size_t column = 0; column < titles.size(); ++column) {
        const std::string& title = titles[column];
        if (column < 2)
            cells.push_back(row.texts[column]);
        else if (title == "MM")
            cells.push_back(row.texts[2]);
        else if (title == "K")
            cells.push_back(row.texts[3]);
        else if (title == "Alpha")
            cells.push_back(row.texts[4]);
        else
            cells.push_back(row.fitTexts.at(column + 2 - titles.size()));
    }
    return cells;
}

int SelectedRow(const std::vector<ShownRow>& rows) {
    int selected = -1;
    for (size_t row = 0; row < rows.size(); ++row)
        if (rows[row].selected) selected = selected == -1 ? static_cast<int>(row) : -2;
    return selected;
}

std::string AsCalculated(const ShownWorkbench& shown, const FreshView& view, const UserModel& model,
                         const DemoDataSet& set) {
    if (shown.points.size() != view.points.size()) return "the points list differs in length from a fresh calculation";
    for (size_t row = 0; row < view.points.size(); ++row) {
        std::string differs = Differs("points row " + std::to_string(row + 1), shown.points[row].cells,
                                      PointCells(view.points[row], shown.pointTitles));
        if (!differs.empty()) return differs;
    }
    if (shown.results.size() != view.samples.size())
        return "the results list has " + std::to_string(shown.results.size()) + " rows, a fresh calculation " +
               std::to_string(view.samples.size());
    int expectedRow = view.lastCalculated ? static_cast<int>(view.samples.size()) - 1 : -1;
    for (size_t row = 0; row < view.samples.size(); ++row) {
        std::string differs =
            Differs("results row " + std::to_string(row + 1), shown.results[row].cells, view.samples[row].texts);
        if (!differs.empty()) return differs;
        if (model.chosenSample && IdShownAs(set, view.samples[row].texts[0]) == *model.chosenSample)
            expectedRow = static_cast<int>(row);
    }
    const int shownRow = SelectedRow(shown.results);
    if (shownRow != expectedRow)
        return "the results list selects row " + std::to_string(shownRow + 1) + ", expected " +
               std::to_string(expectedRow + 1) + " (0: none)";
    std::array<std::string, 6> averages{};
    if (expectedRow >= 0) {
        const auto& texts = view.samples[static_cast<size_t>(expectedRow)].texts;
        std::copy(texts.begin() + static_cast<int>(SampleColumn::Mn),
                  texts.begin() + static_cast<int>(SampleColumn::Mn) + 6, averages.begin());
    }
    for (const std::string& differs :
         {Differs("the averages", shown.averages, averages), Differs("k0 .. k3", shown.coefficients, view.coefficients),
          Differs("R² and SE(Y)", shown.fit, view.fit)})
        if (!differs.empty()) return differs;
    return {};
}

}  // namespace

const DemoAssay* AssayShownAs(const DemoDataSet& set, const std::string& fileName) {
    for (const DemoAssay& assay : set.assays)
        if (ShownFileName(assay.fileName) == fileName) return &assay;
    return nullptr;
}

std::string ShownText(const ShownWorkbench& shown) {
    std::string text = "type " + std::to_string(shown.type) + ", dependence " + std::to_string(shown.dependence) +
                       ", channel " + std::to_string(shown.channel) + "\nK '" + shown.kText + "', Alpha '" +
                       shown.alphaText + "', standards' K '" + shown.standardKText.value_or("(hidden)") + "', Alpha '" +
                       shown.standardAlphaText.value_or("(hidden)") + "', broad Mn '" +
                       shown.broadMnText.value_or("(hidden)") + "', Mw '" + shown.broadMwText.value_or("(hidden)") +
                       "'\naverages " + Joined({shown.averages.begin(), shown.averages.end()}) + "\nk " +
                       Joined({shown.coefficients.begin(), shown.coefficients.end()}) + ", fit " +
                       Joined({shown.fit.begin(), shown.fit.end()}) + "\n";
    for (const auto& [name, rows] : {std::pair<const char*, const std::vector<ShownRow>&>{"assays", shown.assays},
                                     {"points", shown.points},
                                     {"results", shown.results}})
        for (const ShownRow& row : rows)
            text += std::string(name) + (row.checked ? " [x] " : " [ ] ") + (row.selected ? "* " : "") +
                    Joined(row.cells) + "\n";
    return text;
}

InvariantCheck CheckWorkbench(const ShownWorkbench& shown, const UserModel& model, const DemoDataSet& set,
                              FreshCalculation& fresh) {
    if (!model.problem.empty()) return {model.problem};
    for (const std::string& broken : {ListedAsDone(shown, model, set), PointsOfTheStandards(shown, model, set),
                                      NothingOfOtherAssays(shown, model, set)})
        if (!broken.empty()) return {broken};
    if (!model.pendingEdits.empty()) return {};
    WorkbenchInputs inputs;
    inputs.ids = model.listed;
    for (int32_t id : model.listed) inputs.included.push_back(model.included.count(id) != 0);
    inputs.type = shown.type;
    inputs.dependence = shown.dependence;
    inputs.channel = shown.channel;
    for (const ShownRow& row : shown.points) inputs.pointsUsed.push_back(row.checked);
    if (std::string broken = ReadNumbers(shown, inputs); !broken.empty()) return {broken};
    return {AsCalculated(shown, fresh.Of(inputs), model, set), true};
}
