#include "constants.h"
#include "hidapibackend.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

namespace {

// A device of the sysfs tree: its subsystem and the attributes a rule can match.
struct SysDevice
{
    QString subsystem;
    QHash<QString, QString> attributes;
};

// One line of the rule file, as far as access goes.
struct Rule
{
    QString subsystem;
    QHash<QString, QString> attributes;
    bool grantsAccess = false;
};

bool globMatches(const QString &pattern, const QString &value)
{
    // No value here holds a "/", so path and plain wildcards are the same.
    return QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern))
        .match(value)
        .hasMatch();
}

QList<Rule> readRules()
{
    QFile file(QStringLiteral(KEYMAP_SOURCE_DIR "/") + HidapiBackend::udevRuleName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // KEY=="value", KEY{attribute}=="value", KEY+="value"
    static const QRegularExpression key(
        QStringLiteral("(\\w+)(?:\\{(\\w+)\\})?(==|\\+=|=)\"([^\"]*)\""));
    QList<Rule> rules;
    for (const QString &line : QString::fromUtf8(file.readAll()).split('\n')) {
        if (line.trimmed().isEmpty() || line.startsWith('#'))
            continue;
        Rule rule;
        for (const QRegularExpressionMatch &match : key.globalMatch(line)) {
            if (match.captured(1) == "SUBSYSTEM")
                rule.subsystem = match.captured(4);
            else if (match.captured(1) == "ATTRS")
                rule.attributes.insert(match.captured(2), match.captured(4));
            else if (match.captured(1) == "TAG" && match.captured(4) == "uaccess")
                rule.grantsAccess = true;
        }
        rules << rule;
    }
    return rules;
}

// As udev reads a rule: the node's own subsystem, and every ATTRS condition met by one and the
// same device on the way up from the node.
bool matches(const Rule &rule, const QList<SysDevice> &nodeAndParents)
{
    if (!globMatches(rule.subsystem, nodeAndParents.first().subsystem))
        return false;
    return std::any_of(nodeAndParents.begin(), nodeAndParents.end(), [&](const SysDevice &device) {
        for (auto condition = rule.attributes.begin(); condition != rule.attributes.end();
             ++condition) {
            if (!device.attributes.contains(condition.key()) ||
                !globMatches(condition.value(), device.attributes.value(condition.key())))
                return false;
        }
        return true;
    });
}

// The hidraw node of one HID interface of a USB device, with its parents.
QList<SysDevice> hidrawNode(int vendorId, int productId, int subclass, int protocol, int number)
{
    const auto hex = [](int value, int digits, bool upper) {
        const QString text = QString::number(value, 16).rightJustified(digits, '0');
        return upper ? text.toUpper() : text;
    };
    const QString interfaceAlias =
        QStringLiteral("usb:v%1p%2d0100dc00dsc00dp00ic03isc%3ip%4in%5")
            .arg(hex(vendorId, 4, true), hex(productId, 4, true), hex(subclass, 2, true),
                 hex(protocol, 2, true), hex(number, 2, true));
    return {
        {"hidraw", {}},
        {"hid",
         {{"modalias", QStringLiteral("hid:b0003g0001v0000%1p0000%2")
                           .arg(hex(vendorId, 4, true), hex(productId, 4, true))}}},
        {"usb",
         {{"bInterfaceClass", "03"},
          {"bInterfaceSubClass", hex(subclass, 2, false)},
          {"bInterfaceProtocol", hex(protocol, 2, false)},
          {"bInterfaceNumber", hex(number, 2, false)},
          {"modalias", interfaceAlias}}},
        {"usb", {{"idVendor", hex(vendorId, 4, false)}, {"idProduct", hex(productId, 4, false)}}}};
}

} // namespace

// The udev rule that the backend names opens the keyboard's vendor-defined interfaces to the user
// at the seat, under the vendor ID the program looks for, and nothing else of the keyboard or of
// other devices.
class tst_UdevRule : public QObject
{
    Q_OBJECT

private slots:
    void access_data()
    {
        QTest::addColumn<QList<SysDevice>>("node");
        QTest::addColumn<bool>("open");
        const int vendor = Constants::tavoVendorId;
        for (const int product : Constants::tavoProductIds) {
            const QByteArray id = QByteArray::number(product, 16).rightJustified(4, '0');
            QTest::newRow("vendor-defined interface, product " + id)
                << hidrawNode(vendor, product, 0, 0, 1) << true;
            QTest::newRow("keystroke interface, product " + id)
                << hidrawNode(vendor, product, 1, 1, 0) << false;
            QTest::newRow("boot-protocol mouse, product " + id)
                << hidrawNode(vendor, product, 1, 2, 2) << false;
        }
        QTest::newRow("another product of the vendor")
            << hidrawNode(vendor, 0x99, 0, 0, 1) << false;
        QTest::newRow("another vendor's raw interface")
            << hidrawNode(vendor ^ 0x1000, Constants::tavoProductIds.first(), 0, 0, 1) << false;
    }

    void access()
    {
        QFETCH(QList<SysDevice>, node);
        QFETCH(bool, open);
        const QList<Rule> rules = readRules();
        QVERIFY(!rules.isEmpty());
        const bool granted = std::any_of(rules.begin(), rules.end(), [&](const Rule &rule) {
            return rule.grantsAccess && matches(rule, node);
        });
        QCOMPARE(granted, open);
    }
};

Q_DECLARE_METATYPE(QList<SysDevice>)

QTEST_GUILESS_MAIN(tst_UdevRule)
#include "tst_udevrule.moc"
