#include "keyboardpageinterface.h"
#include "pageviewcontroller.h"

#include <QTest>

namespace {

// A page with the keyboard and its panels on it.
class KeyboardPage : public PageViewController, public KeyboardPageInterface
{
public:
    bool isKeymapPage() const override { return true; }
    void showProfileList() override {}
    void hideProfileList() override {}
    void updateSelectProfileName(int) override {}
    void setPointLayerHidden(bool) override {}
    void changeMenuStatusAndUpdateMenu(bool) override {}

protected:
    QWidget *loadView() override { return new QWidget; }
};

// A page that shows no keyboard.
class OtherPage : public PageViewController
{
public:
    void changeMenuStatusAndUpdateMenu(bool) override {}

protected:
    QWidget *loadView() override { return new QWidget; }
};

} // namespace

// Keys and panels find the page they sit on through their parents, whatever lies between.
class tst_KeyboardPageInterface : public QObject
{
    Q_OBJECT

private slots:
    void findsThePageAboveAView();
};

void tst_KeyboardPageInterface::findsThePageAboveAView()
{
    KeyboardPage page;
    auto *keyboard = new QWidget(page.view());
    auto *key = new QWidget(keyboard);
    QCOMPARE(KeyboardPageInterface::of(key), &page);
    QCOMPARE(KeyboardPageInterface::of(page.view()), &page);

    QWidget detached;
    QCOMPARE(KeyboardPageInterface::of(&detached), nullptr);
    QCOMPARE(KeyboardPageInterface::of(nullptr), nullptr);

    OtherPage other;
    auto *panel = new QWidget(other.view());
    QCOMPARE(KeyboardPageInterface::of(panel), nullptr);

    // A key taken off the page no longer reaches it.
    key->setParent(nullptr);
    QCOMPARE(KeyboardPageInterface::of(key), nullptr);
    delete key;
}

QTEST_MAIN(tst_KeyboardPageInterface)
#include "tst_keyboardpageinterface.moc"
