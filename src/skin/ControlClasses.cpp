#include "skin/ControlClasses.h"

#include <QByteArray>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>
#include <array>
#include <sstream>
#include <utility>

namespace controlclasses {

namespace {

using Entry = std::pair<const char*, const char*>;

// The first class the control inherits decides, so narrower classes come first.
constexpr std::array<Entry, 19> kControls = {{
    {"QCheckBox", "CHECKBOX"},
    {"QRadioButton", "CHECKBOX"},
    {"QPushButton", "BUTTON"},
    {"QGroupBox", "GROUPBOX"},
    {"QLineEdit", "EDIT"},
    {"QTextEdit", "EDIT"},
    {"QPlainTextEdit", "EDIT"},
    {"QListView", "EDIT"},
    {"QTreeView", "EDIT"},
    {"QComboBox", "COMBOBOX"},
    {"QLabel", "CHECKBOX"},
    {"QTabBar", "PAGECONTROL"},
    {"QAbstractSpinBox", "SPEEDBUTTON_SMALL"},
    {"QSlider", "TRACKBAR"},
    {"QToolBar", "BAR"},
    {"QToolButton", "CHECKBOX"},
    {"QSizeGrip", "CHECKBOX"},
    {"QDialog", "CHECKBOX"},
    {"QFrame", "CHECKBOX"},
}};

// The class names a form designer writes, and the Qt classes that play their part here.
constexpr std::array<Entry, 24> kAliases = {{
    {"TButton", "QPushButton"},    {"TBitBtn", "QPushButton"},
    {"TEdit", "QLineEdit"},        {"TMaskEdit", "QLineEdit"},
    {"TMemo", "QPlainTextEdit"},   {"TRichEdit", "QTextEdit"},
    {"TCheckBox", "QCheckBox"},    {"TRadioButton", "QRadioButton"},
    {"TGroupBox", "QGroupBox"},    {"TRadioGroup", "QGroupBox"},
    {"TListBox", "QListView"},     {"TListView", "QListView"},
    {"TTreeView", "QTreeView"},    {"TComboBox", "QComboBox"},
    {"TPanel", "QFrame"},          {"TStringGrid", "QTableView"},
    {"TDrawGrid", "QTableView"},   {"TPageControl", "QTabWidget"},
    {"TTabControl", "QTabBar"},    {"TToolBar", "QToolBar"},
    {"TStatusBar", "QStatusBar"},  {"TSpeedButton", "QToolButton"},
    {"TScrollBox", "QScrollArea"}, {"TUpDown", "QAbstractSpinBox"},
}};

constexpr std::array<const char*, ThirdPartyList::kCount> kListSections = {
    "EDIT",    "BUTTON",    "BUTTON",      "CHECKBOX",    "GROUPBOX",
    "EDIT",    "PANEL",     "EDIT",        "EDIT",        "COMBOBOX",
    "EDIT",    "EDIT",      "EDIT",        "PAGECONTROL", "PAGECONTROL",
    "TOOLBAR", "STATUSBAR", "SPEEDBUTTON", "PANEL",       "SPEEDBUTTON_SMALL"};

bool ListNames(const std::string& list, const QWidget& control) {
    std::istringstream lines(list);
    std::string name;
    while (std::getline(lines, name)) {
        if (!name.empty() && name.back() == '\r') name.pop_back();
        const char* qtClass = QtClassOf(name);
        if (qtClass != nullptr && control.inherits(qtClass)) return true;
    }
    return false;
}

}  // namespace

const char* SectionOf(const QWidget& control) {
    // Only a label with a sunken frame is a static with an edge.
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return label->frameShadow() == QFrame::Sunken && label->frameShape() != QFrame::NoFrame
                   ? "EDIT"
                   : "CHECKBOX";
    for (const auto& [qtClass, section] : kControls)
        if (control.inherits(qtClass)) return section;
    return nullptr;
}

const char* QtClassOf(const std::string& thirdPartyName) {
    for (const auto& [alias, qtClass] : kAliases)
        if (thirdPartyName == alias) return qtClass;
    return nullptr;
}

const char* SectionOfList(std::size_t index) {
    return index < kListSections.size() ? kListSections[index] : nullptr;
}

const char* ThirdPartySection(const QWidget& control, const ThirdPartyList& lists) {
    for (std::size_t i = 0; i < ThirdPartyList::kCount; ++i)
        if (ListNames(lists.Lists[i], control)) return SectionOfList(i);
    return nullptr;
}

}  // namespace controlclasses
