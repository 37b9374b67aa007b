#include "keyboardfixture.h"

#include "bottomleftspace.h"
#include "constants.h"
#include "dragdata.h"
#include "drawinginfo.h"
#include "functionchecker.h"
#include "imageview.h"
#include "keyboardconfig.h"
#include "keyboarddataentity.h"
#include "localizedstrings.h"
#include "paintkit.h"
#include "pointingsticklayer.h"
#include "profilelistviewcontroller.h"
#include "profileselectedview.h"
#include "resourceloader.h"
#include "reviewimage.h"
#include "settingsstore.h"
#include "themegeometry.h"

#include <QMimeData>
#include <QMouseEvent>
#include <QTest>

#include <numbers>

QList<bool> dipSwitches(bool dip5)
{
    return {false, false, false, false, dip5, false};
}

QList<double> lShapedFrame()
{
    return {0, 0, 40, 40, 10, 0, 30, 20, 0, 20, 40, 20, 20, 0, 35, 5, 4.71, 6.28, 0};
}

std::shared_ptr<ProfileListDataEntity> factoryProfiles(const QString &typeNumber)
{
    return ResourceLoader::sharedInstance().getDefaultProfilesData(typeNumber, dipSwitches());
}

EnterKeyDataEntity lShapedEnterKey()
{
    constexpr double pi = std::numbers::pi;
    EnterKeyDataEntity key;
    key.frame = {100, 10, 60, 50};
    key.rects = {{20, 0, 40, 25}, {0, 25, 60, 25}};
    key.startPoint = {40, 0};
    key.arcParams = {{{56, 4}, -pi / 2, 0, false}, {{56, 46}, 0, pi / 2, false},
                     {{4, 46}, pi / 2, pi, false}, {{4, 29}, pi, 3 * pi / 2, false},
                     {{16, 21}, pi / 2, 0, true},  {{24, 4}, pi, 3 * pi / 2, false}};
    key.arcRadius = 4;
    return key;
}

void setCheckingFunction(bool isCheckingFunction)
{
    SettingsStore::setBoolValue(FunctionChecker::checkFunctionKey, isCheckingFunction);
    FunctionChecker::sharedInstance().getIsCheckingFunction(KeyboardDataEntity());
}

void TestFolders::reset()
{
    Constants::setLogDirectoryForTesting(m_folder.path() + '/');
    SettingsStore::setFileForTesting(m_folder.filePath(QStringLiteral("settings.ini")));
    setCheckingFunction(false);
    KeyBoardConfig::shared().applyKeyboardColor(KeyboardColorType::Black);
    LocalizedStrings::setLanguage(QStringLiteral("en"));
}

TestFolders::~TestFolders()
{
    reset();
    Constants::setLogDirectoryForTesting({});
    SettingsStore::setFileForTesting({});
}

KeyboardPage::KeyboardPage(bool isKeymapPage)
    : m_isKeymapPage(isKeymapPage)
{
    view()->installEventFilter(this);
}

KeyboardPage::~KeyboardPage() = default;

QWidget *KeyboardPage::loadView()
{
    auto *page = new QWidget;
    page->resize(ThemeGeometry::windowContentSize.toSize());
    page->setAutoFillBackground(true);
    QPalette palette = page->palette();
    palette.setColor(QPalette::Window, PaintKit::grey(0.16));
    page->setPalette(palette);

    const DrawingInfo::VirtualKeyboard &keyboard = DrawingInfo::virtualKeyboard();
    m_keyboard = new ImageView(page);
    m_keyboard->resize(ThemeGeometry::keyboardViewSize.toSize());
    m_stickMark = new ImageView(m_keyboard);
    m_stickMark->setGeometry(BottomLeftSpace(m_keyboard->height())
                                 .frame(keyboard.pointImage.frameOrigin, keyboard.pointImage.size)
                                 .toRect());
    showKeyboard(KeyboardLayoutType::English);
    m_pointLayer = new PointingStickLayer(page);
    // The page's view is not yet the page's while it loads.
    const auto placeOn = [page](QWidget *panel, QPointF origin) {
        panel->setParent(page);
        panel->move(
            BottomLeftSpace(page->height()).frame(origin, panel->size()).topLeft().toPoint());
        panel->show();
    };
    placeOn(m_keyboard, keyboard.frameOrigin);
    placeOn(m_profileViewController.profileview(),
            DrawingInfo::startKeymap().profileSelectedViewFrameOrigin);
    return page;
}

bool KeyboardPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress)
        log << QStringLiteral("page press");
    else if (event->type() == QEvent::MouseButtonRelease)
        log << QStringLiteral("page release");
    return PageViewController::eventFilter(watched, event);
}

void KeyboardPage::showProfileList()
{
    m_profileListViewController = std::make_unique<ProfileListViewController>();
    m_profileListViewController->placeOn(view(), DrawingInfo::startKeymap().profileListFrameOrigin);
}

void KeyboardPage::hideProfileList()
{
    log << QStringLiteral("hide list");
    if (m_profileListViewController)
        m_profileListViewController->removeFromPage();
    setIsProfileMouseDown(false);
    m_profileViewController.updateBackground();
}

void KeyboardPage::updateSelectProfileName(int index)
{
    log << QStringLiteral("profile %1").arg(index);
    m_profileViewController.updateTextValue(index);
    hideProfileList();
}

void KeyboardPage::setPointLayerHidden(bool hidden)
{
    log << (hidden ? QStringLiteral("line hidden") : QStringLiteral("line shown"));
    m_pointLayer->setHidden(hidden);
}

void KeyboardPage::place(QWidget *panel, QPointF origin)
{
    panel->setParent(view());
    panel->move(BottomLeftSpace(view()->height()).frame(origin, panel->size()).topLeft().toPoint());
    panel->show();
}

void KeyboardPage::showKeyboard(KeyboardLayoutType layoutType)
{
    const KeyboardColorType colorType = KeyBoardConfig::shared().virtualKey.keyboardColorType();
    m_keyboard->setImageName(
        DrawingInfo::virtualKeyboard().backgroundImages.image(layoutType, colorType));
    m_stickMark->setImageName(KeyBoardConfig::shared().virtualKey.pointImage());
}

bool KeyboardPage::show()
{
    view()->show();
    return QTest::qWaitForWindowExposed(view());
}

void KeyboardPage::click(const QWidget *widget, QPoint press, std::optional<QPoint> release,
                         Qt::MouseButton button)
{
    mouse(QEvent::MouseButtonPress, widget, press, button);
    mouse(QEvent::MouseButtonRelease, widget, release.value_or(press), button);
}

void KeyboardPage::mouse(QEvent::Type type, const QWidget *widget, QPoint point,
                         Qt::MouseButton button)
{
    QWindow *window = view()->windowHandle();
    if (type == QEvent::MouseButtonPress)
        QTest::mousePress(window, button, {}, widget->mapTo(view(), point));
    else
        QTest::mouseRelease(window, button, {}, widget->mapTo(view(), point));
}

void KeyboardPage::dropOn(QWidget *widget)
{
    QMimeData data;
    data.setData(DragData::mimeType(), {});
    const QPointF centre = QRectF(widget->rect()).center();
    QDragEnterEvent enter(centre.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(widget, &enter);
    QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(widget, &drop);
    QCoreApplication::processEvents();
}

void KeyboardPage::sendHover(QWidget *widget, bool isInside)
{
    isInside ? sendEnter(widget, QPointF(1, 1)) : sendLeave(widget);
}

void KeyboardPage::save(const QString &fileName)
{
    save(*view(), fileName);
}

void KeyboardPage::save(QWidget &widget, const QString &fileName)
{
    QVERIFY(saveReviewImage(widget.grab().toImage(), fileName));
}

void sendMouse(QWidget *widget, QEvent::Type type, QPointF pos)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void sendEnter(QWidget *widget, QPointF pos)
{
    QEnterEvent event(pos, pos, widget->mapToGlobal(pos));
    QApplication::sendEvent(widget, &event);
}

void sendHover(QWidget *widget, QPointF pos)
{
    QMouseEvent event(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void sendLeave(QWidget *widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(widget, &event);
}
