#include "usagedescriptions.h"

#include <QHash>
#include <QStringList>

namespace {

using Text = UsageDescriptions::Text;

// The name of one usage on the Japanese and on the English layout.
struct Names
{
    Text japanese;
    Text english;
};
using Table = QHash<qint32, Names>;

Text literal(const QString &text)
{
    return {text, false};
}

Text localized(const QString &key)
{
    return {key, true};
}

Text localizedTooltip(const QString &suffix)
{
    return localized(QStringLiteral("ToolUtility_TooltipDescription_") + suffix);
}

// Names consecutive usage IDs, from first on, alike on both layouts.
void addSame(Table &table, qint32 first, const QStringList &texts)
{
    for (const QString &text : texts)
        table.insert(first++, {literal(text), literal(text)});
}

// Names one usage alike on both layouts by the localized tooltip text ending in suffix.
void addLocalized(Table &table, qint32 usageId, const QString &suffix)
{
    const Text text = localizedTooltip(suffix);
    table.insert(usageId, {text, text});
}

void addPerLayout(Table &table, qint32 usageId, const QString &japanese, const QString &english)
{
    table.insert(usageId, {literal(japanese), literal(english)});
}

// "prefix" followed by first, first + 1, ..., last.
QStringList numbered(const QString &prefix, int first, int last)
{
    QStringList texts;
    for (int number = first; number <= last; ++number)
        texts << prefix + QString::number(number);
    return texts;
}

Table buildTooltips()
{
    Table table;
    addLocalized(table, 0, "0");
    addPerLayout(table, 40, "Enter", "Return");
    addSame(table, 41, {"Escape", "Back Space", "Tab", "Space"});
    table.insert(53, {localizedTooltip("53"), literal("")});
    addSame(table, 57, {"Caps Lock"});
    addSame(table, 70,
            {"Print Screen", "Scroll Lock", "Pause/Break", "Insert", "Home", "Page Up", "Delete",
             "End", "Page Down"});
    addSame(table, 83,
            {"Clear/Numlock", "Keypad /", "Keypad *", "Keypad -", "Keypad +", "Keypad Enter"});
    addSame(table, 89, numbered("Keypad ", 1, 9));
    addSame(table, 98, {"Keypad 0", "Keypad ."});
    addLocalized(table, 101, "118");
    addSame(table, 120, {"Stop"});
    addLocalized(table, 136, "136");
    table.insert(138, {localizedTooltip("138"), localizedTooltip("138_Meta")});
    table.insert(139, {localizedTooltip("139"), localizedTooltip("139_Meta")});
    addLocalized(table, 144, "144");
    addLocalized(table, 145, "145");
    addSame(table, 165, {"Power"});
    addSame(table, 168, {"Mute", "Volume Up", "Volume Down"});
    addSame(table, 176, {"Eject"});
    addSame(table, 189, {"Brightness Up", "Brightness Down"});
    for (qint32 usageId = 224; usageId <= 231; ++usageId)
        addLocalized(table, usageId, QString::number(usageId));
    addSame(table, 240,
            {"Mouse Cursor Up", "Mouse Cursor Down", "Mouse Cursor Left", "Mouse Cursor Right",
             "Mouse Left Click", "Mouse Middle Click", "Mouse Right Click"});
    addSame(table, 249,
            {"Mouse Wheel Up", "Mouse Wheel Down", "Mouse Wheel Left", "Mouse Wheel Right"});
    addSame(table, 0x094F, {"Control+Win⌘+→", "Control+Win⌘+←"});
    addSame(table, 0x5101, numbered("Function", 1, 3));
    addSame(table, 0x5F80,
            {"GesturePad SideLeft Enable", "GesturePad FrontLeft Enable",
             "GesturePad FrontRight Enable", "GesturePad SideRight Enable",
             "GesturePad SideLeft Disable", "GesturePad FrontLeft Disable",
             "GesturePad FrontRight Disable", "GesturePad SideRight Disable",
             "GesturePad SideLeft Toggle", "GesturePad FrontLeft Toggle",
             "GesturePad FrontRight Toggle", "GesturePad SideRight Toggle", "SWIPE:Alt+Tab+←(Win)",
             "SWIPE:Alt+Tab+→(Win)", "SWIPE:Command+Tab+←(Mac)", "SWIPE:Command+Tab+→(Mac)",
             "Pointing Stick Enable", "Pointing Stick Disable", "Pointing Stick Toggle"});
    addSame(table, 0x5F9E,
            {"GesturePad Sensitivity Low", "GesturePad Sensitivity Medium",
             "GesturePad Sensitivity High", "GesturePad Sensitivity Highest",
             "Pointing Stick Speed+", "Pointing Stick Speed-"});
    addSame(table, 0x5FA4, numbered("Pointing Stick Speed", 1, 4));
    return table;
}

const Table &tooltips()
{
    static const Table table = buildTooltips();
    return table;
}

// The usages whose shortcut label is their tooltip.
QList<qint32> labelsFromTooltips()
{
    QList<qint32> usageIds{40,  41,  42,  43,  44,  57,  101, 120, 136, 138, 139, 144,
                           145, 165, 168, 169, 170, 176, 189, 190, 249, 250, 251, 252};
    for (qint32 usageId = 70; usageId <= 78; ++usageId)
        usageIds << usageId;
    for (qint32 usageId = 83; usageId <= 99; ++usageId)
        usageIds << usageId;
    for (qint32 usageId = 240; usageId <= 246; ++usageId)
        usageIds << usageId;
    return usageIds;
}

Table buildShortcutLabels()
{
    Table table;
    for (qint32 usageId : labelsFromTooltips())
        table.insert(usageId, tooltips().value(usageId));
    addSame(table, 0, {"(AnyKey)"});
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        addSame(table, 4 + (letter - 'A'), {QString(QLatin1Char(letter))});
    addSame(table, 30, {"1(!)"});
    addPerLayout(table, 31, "2(\")", "2(@)");
    addSame(table, 32, {"3(#)", "4($)", "5(%)"});
    addPerLayout(table, 35, "6(&)", "6(^)");
    addPerLayout(table, 36, "7(')", "7(&)");
    addPerLayout(table, 37, "8(()", "8(*)");
    addPerLayout(table, 38, "9())", "9(()");
    addPerLayout(table, 39, "0", "0())");
    addPerLayout(table, 45, "-(=)", "-(_)");
    addPerLayout(table, 46, "^(~)", "=(+)");
    addPerLayout(table, 47, "@(`)", "[({)");
    addPerLayout(table, 48, "[({)", "](})");
    addSame(table, 49, {"\\(|)"});
    addPerLayout(table, 50, "](})", "Non-US #");
    addPerLayout(table, 51, ";(+)", ";(:)");
    addPerLayout(table, 52, ":(*)", "'(\")");
    table.insert(53, {localizedTooltip("53"), literal("`(~)")});
    addSame(table, 54, {",(<)", ".(>)", "/(?)"});
    addSame(table, 58, numbered("F", 1, 12));
    addSame(table, 79, {"→", "←", "↓", "↑"});
    addSame(table, 100, {"/(|)"});
    addSame(table, 104, numbered("F", 13, 24));
    addSame(table, 135, {"\\(_)"});
    addSame(table, 137, {"¥(|)"});
    return table;
}

const Table &shortcutLabels()
{
    static const Table table = buildShortcutLabels();
    return table;
}

std::optional<Text> find(const Table &table, qint32 usageId, KeyboardLayoutType layout)
{
    const auto names = table.constFind(usageId);
    if (names == table.cend())
        return std::nullopt;
    return layout == KeyboardLayoutType::English ? names->english : names->japanese;
}

} // namespace

std::optional<UsageDescriptions::Text> UsageDescriptions::tooltip(qint32 usageId,
                                                                  KeyboardLayoutType layout)
{
    return find(tooltips(), usageId, layout);
}

std::optional<UsageDescriptions::Text> UsageDescriptions::shortcutLabel(qint32 usageId,
                                                                        KeyboardLayoutType layout)
{
    return find(shortcutLabels(), usageId, layout);
}
