#include "legendtexts.h"

#include <QHash>

#include <algorithm>

namespace {
struct Legend
{
    QString english;
    QString japanese; // empty: as on the English layout
};

using Table = QHash<qint32, Legend>;

void addRange(Table &table, qint32 first, qint32 last, const QString &prefix, int firstNumber)
{
    for (qint32 usage = first; usage <= last; ++usage)
        table.insert(usage, {prefix + QString::number(firstNumber + usage - first), {}});
}

void addLettersAndDigits(Table &table)
{
    for (qint32 usage = 4; usage <= 29; ++usage)
        table.insert(usage, {QString(QChar(u'A' + usage - 4)), {}});
    const QStringList english{"!\n1", "@\n2", "#\n3", "$\n4", "%\n5",
                              "^\n6", "&\n7", "*\n8", "(\n9", ")\n0"};
    const QStringList japanese{"!\n1", "\"\n2", "#\n3", "$\n4", "%\n5",
                               "&\n6", "'\n7",  "(\n8", ")\n9", "0"};
    for (int i = 0; i < 10; ++i)
        table.insert(30 + i, {english.at(i), japanese.at(i)});
}

void addControlKeys(Table &table)
{
    table.insert(40, {"Return", "Enter"});
    table.insert(41, {"Esc", {}});
    table.insert(42, {"Back\nSpace", {}});
    table.insert(43, {"Tab", {}});
    table.insert(44, {"Space", {}});
    table.insert(57, {"Caps\nLock", {}});
    table.insert(70, {"Print\nScreen", {}});
    table.insert(71, {"Scroll\nLock", {}});
    table.insert(72, {"Pause", {}});
    table.insert(73, {"Insert", {}});
    table.insert(74, {"Home", {}});
    table.insert(75, {"Page\nUp", {}});
    table.insert(76, {"Delete", {}});
    table.insert(77, {"End", {}});
    table.insert(78, {"Page\nDown", {}});
    table.insert(79, {"→", {}});
    table.insert(80, {"←", {}});
    table.insert(81, {"↓", {}});
    table.insert(82, {"↑", {}});
    table.insert(101, {"Menu", {}});
    table.insert(120, {"Stop", {}});
}

void addPunctuation(Table &table)
{
    table.insert(45, {"_\n-", "=\n-"});
    table.insert(46, {"+\n=", "~\n^"});
    table.insert(47, {"{\n[", "`\n@"});
    table.insert(48, {"}\n]", "{\n["});
    table.insert(49, {"|\n\\", {}});
    table.insert(50, {"~\n#", "}\n]"});
    table.insert(51, {":\n;", "+\n;"});
    table.insert(52, {"\"\n'", "*\n:"});
    table.insert(53, {"~\n`", "半角/\n全角"});
    table.insert(54, {"<\n,", {}});
    table.insert(55, {">\n.", {}});
    table.insert(56, {"?\n/", {}});
    table.insert(100, {"|\n\\", {}});
}

void addJapaneseKeys(Table &table)
{
    table.insert(135, {"_\n\\", "_\n\\ ろ"});
    table.insert(136, {"Kana", "カタカナ\nひらがな"});
    table.insert(137, {"|\n¥", {}});
    table.insert(138, {"Convert", "変換"});
    table.insert(139, {"No\nConvert", "無変換"});
    table.insert(144, {"Kana", "かな"});
    table.insert(145, {"Eisu", "英数"});
}

void addKeypad(Table &table)
{
    table.insert(83, {"Num\nLock", {}});
    const QStringList keys{"/", "*", "-", "+", "Enter", "1", "2", "3",
                           "4", "5", "6", "7", "8",     "9", "0", "."};
    for (int i = 0; i < keys.size(); ++i)
        table.insert(84 + i, {"Num\n" + keys.at(i), {}});
}

void addMediaAndModifiers(Table &table)
{
    table.insert(165, {"Power", {}});
    table.insert(168, {"Mute", {}});
    table.insert(169, {"Vol\n+", {}});
    table.insert(170, {"Vol\n−", {}});
    table.insert(176, {"Eject", {}});
    table.insert(189, {"Bright\n+", {}});
    table.insert(190, {"Bright\n−", {}});
    const QStringList modifiers{"Ctrl", "Shift", "Alt", "Win"};
    for (int i = 0; i < modifiers.size(); ++i) {
        table.insert(224 + i, {"L " + modifiers.at(i), {}});
        table.insert(228 + i, {"R " + modifiers.at(i), {}});
    }
}

void addMouse(Table &table)
{
    const QStringList arrows{"↑", "↓", "←", "→"};
    for (int i = 0; i < arrows.size(); ++i) {
        table.insert(240 + i, {"Mouse\n" + arrows.at(i), {}});
        table.insert(249 + i, {"Wheel\n" + arrows.at(i), {}});
    }
    table.insert(244, {"Left\nClick", {}});
    table.insert(245, {"Middle\nClick", {}});
    table.insert(246, {"Right\nClick", {}});
}

void addDeviceFunctions(Table &table)
{
    table.insert(0x094F, {"Ctrl+Win\n→", {}});
    table.insert(0x0950, {"Ctrl+Win\n←", {}});
    for (int fn = 1; fn <= 3; ++fn)
        table.insert(0x5100 + fn, {"Fn" + QString::number(fn), {}});
    const QStringList pads{"Pad SL", "Pad FL", "Pad FR", "Pad SR"};
    const QStringList actions{"On", "Off", "Toggle"};
    for (int action = 0; action < actions.size(); ++action) {
        for (int pad = 0; pad < pads.size(); ++pad)
            table.insert(0x5F80 + 4 * action + pad, {pads.at(pad) + '\n' + actions.at(action), {}});
    }
    table.insert(0x5F8C, {"Alt+Tab\n←", {}});
    table.insert(0x5F8D, {"Alt+Tab\n→", {}});
    table.insert(0x5F8E, {"⌘+Tab\n←", {}});
    table.insert(0x5F8F, {"⌘+Tab\n→", {}});
    table.insert(0x5F90, {"Stick\nOn", {}});
    table.insert(0x5F91, {"Stick\nOff", {}});
    table.insert(0x5F92, {"Stick\nToggle", {}});
    const QStringList sensitivities{"Low", "Mid", "High", "Max"};
    for (int i = 0; i < sensitivities.size(); ++i)
        table.insert(0x5F9E + i, {"Pad\n" + sensitivities.at(i), {}});
    table.insert(0x5FA2, {"Stick\nSpeed+", {}});
    table.insert(0x5FA3, {"Stick\nSpeed−", {}});
    for (int speed = 1; speed <= 4; ++speed)
        table.insert(0x5FA3 + speed, {"Stick\nSpeed" + QString::number(speed), {}});
}

const Table &table()
{
    static const Table legends = [] {
        Table built;
        addLettersAndDigits(built);
        addControlKeys(built);
        addPunctuation(built);
        addJapaneseKeys(built);
        addKeypad(built);
        addMediaAndModifiers(built);
        addMouse(built);
        addDeviceFunctions(built);
        addRange(built, 58, 69, "F", 1);
        addRange(built, 104, 115, "F", 13);
        return built;
    }();
    return legends;
}
} // namespace

QString LegendTexts::text(qint32 usageId, KeyboardLayoutType layoutType)
{
    const auto found = table().constFind(usageId);
    if (found == table().constEnd())
        return {};
    if (layoutType == KeyboardLayoutType::Japanese && !found->japanese.isEmpty())
        return found->japanese;
    return found->english;
}

QList<qint32> LegendTexts::usages()
{
    QList<qint32> keys = table().keys();
    std::sort(keys.begin(), keys.end());
    return keys;
}
