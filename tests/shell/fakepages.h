#pragma once

#include "appdelegate.h"
#include "firmuppageinterface.h"
#include "keymappageinterface.h"
#include "mainwindowcontroller.h"
#include "mainwindowpage.h"
#include "navigationbutton.h"
#include "pagefactory.h"
#include "shelllook.h"
#include "stack.h"
#include "startpageinterface.h"

#include <QLabel>
#include <QStringList>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <memory>

class KeyboardDataEntity;
class ProfileListDataEntity;

// What the start page handed over to a fake keymap or firmware page, last time.
struct HandedOverKeyboard
{
    std::shared_ptr<KeyboardDataEntity> keyboardData;
    QString keyboardTypeNumber;
    QList<bool> dipSwitchData;
    bool pointingStickState = false;
    QList<bool> gesturePadData;
    std::shared_ptr<ProfileListDataEntity> physicalProfilesData;
};

// The pages that the tests put into the main window, built on the pieces the real pages share:
// each shows its name and a page button, records in the shared event list how the main window
// treats it ("make start", "start.load(handed over)", "start.appear", "start.disappear"), and
// governs the menus as a real page does.
template<class Interface>
class FakePage : public MainWindowPage<Interface>
{
public:
    FakePage(const QString &name, QStringList &events)
        : MainWindowPage<Interface>(nullptr)
        , m_name(name)
        , m_events(events)
    {
        m_events << "make " + m_name;
    }

    void viewDidAppear() override
    {
        m_events << m_name + ".appear";
        MainWindowPage<Interface>::viewDidAppear();
    }
    void viewDidDisappear() override { m_events << m_name + ".disappear"; }

    // What a did-swap handed over before the view loaded.
    QString handedOver;
    // The keyboard the start page handed over last ("<name>.initData").
    HandedOverKeyboard handedOverKeyboard;
    using MainWindowPage<Interface>::progressPage;

protected:
    void recordInitData(std::shared_ptr<KeyboardDataEntity> keyboardData,
                        const QString &keyboardTypeNumber, const QList<bool> &dipSwitchData,
                        bool pointingStickState, const QList<bool> &gesturePadData,
                        std::shared_ptr<ProfileListDataEntity> physicalProfilesData)
    {
        m_events << m_name + ".initData";
        handedOverKeyboard = {std::move(keyboardData), keyboardTypeNumber,
                              dipSwitchData,           pointingStickState,
                              gesturePadData,          std::move(physicalProfilesData)};
    }

    QWidget *loadView() override
    {
        m_events << m_name + ".load(" + handedOver + ")";
        auto *content = new QWidget;
        auto *title = new QLabel(m_name, content);
        QFont font = title->font();
        font.setPointSizeF(font.pointSizeF() * 2);
        title->setFont(font);
        ShellLook::setColor(*title, QPalette::WindowText, ShellLook::msgView().txtColor());
        auto *button = new NavigationButton(content);
        button->setText(m_name);
        button->setFixedSize(240, 120);
        auto *column = new QVBoxLayout(content);
        column->addStretch();
        column->addWidget(title, 0, Qt::AlignCenter);
        column->addWidget(button, 0, Qt::AlignCenter);
        column->addStretch();
        return this->frameView(content);
    }

    QString m_name;
    QStringList &m_events;
};

// The start page: a keyboard record the update check compares its firmware with.
class FakeStartPage : public FakePage<StartPageInterface>
{
    Q_OBJECT

public:
    explicit FakeStartPage(QStringList &events);

    ProgressPageViewController *GetProgressPageViewController() override { return &progressPage(); }
    std::shared_ptr<KeyboardDataEntity> getKeyboardData() override { return m_keyboardData; }
    void updateData(std::shared_ptr<ProfileListDataEntity>, const QList<bool> &) override {}
    void updatePointingStick(bool) override {}
    void firmwareBootUpdateSuccessed(std::shared_ptr<KeyboardDataEntity>) override {}

private:
    std::shared_ptr<KeyboardDataEntity> m_keyboardData;
};

// The keymap page: its return button asks (message 1003 on the real page, "keymap.ask1003"
// here) before it would let a swap run, and it counts the writes its write button asks for. It
// records the keyboard handed over ("keymap.initData").
class FakeKeymapPage : public FakePage<KeymapPageInterface>
{
    Q_OBJECT

public:
    explicit FakeKeymapPage(QStringList &events);

    ProgressPageViewController *progressPageViewController() override { return &progressPage(); }
    bool hasUnwrittenEdits() const override { return !history.items.isEmpty(); }
    NavigationButton *returnButton() override { return &m_returnButton; }
    void writeToTAVOButtonEvent() override { ++writes; }
    bool dataIsInited() const override { return m_dataIsInited; }
    void initData(std::shared_ptr<KeyboardDataEntity> keyboardData,
                  const QString &keyboardTypeNumber, const QList<bool> &dipSwitchData,
                  bool pointingStickState, const QList<bool> &gesturePadData,
                  std::shared_ptr<ProfileListDataEntity> physicalProfilesData) override;

    Stack history;
    int writes = 0;

private:
    NavigationButton m_returnButton;
    bool m_dataIsInited = false;
};

// The firmware page: records the keyboard handed over and the calls that follow
// ("firmup.initData", "firmup.updatePointingStick", "firmup.updateVirtualKeyboard").
class FakeFirmupPage : public FakePage<FirmupPageInterface>
{
    Q_OBJECT

public:
    explicit FakeFirmupPage(QStringList &events);

    ProgressPageViewController *progressPageViewController() override { return &progressPage(); }
    void initData(std::shared_ptr<KeyboardDataEntity> keyboardData,
                  const QString &keyboardTypeNumber, const QList<bool> &dipSwitchData,
                  bool pointingStickState, const QList<bool> &gesturePadData,
                  std::shared_ptr<ProfileListDataEntity> physicalProfilesData) override;
    void updatePointingStick() override
    {
        m_events << QStringLiteral("firmup.updatePointingStick");
    }
    void updateVirtualKeyboard(const ProfileListDataEntity &) override
    {
        m_events << QStringLiteral("firmup.updateVirtualKeyboard");
    }
};

// Makes the fake pages; what happens to them is written to events.
class FakePages : public PageFactory
{
public:
    std::unique_ptr<StartPageInterface> makeStartPage(MainWindowController *) override;
    std::unique_ptr<KeymapPageInterface> makeKeymapPage(MainWindowController *) override;
    std::unique_ptr<FirmupPageInterface> makeFirmupPage(MainWindowController *) override;

    QStringList events;
};

// The main window over the fake pages, with its menus, shown; log lines go to a folder of its own
// and the program's end is only counted.
class WindowFixture
{
public:
    WindowFixture();
    ~WindowFixture();

    // Everything logged today since the fixture was made.
    QString logText() const;
    FakeStartPage *startPage() const;
    FakeKeymapPage *keymapPage() const;

    QTemporaryDir logs;
    FakePages pages;
    std::unique_ptr<AppDelegate> delegate;
    std::unique_ptr<MainWindowController> controller;
    int terminations = 0;
};
