#include "panelpage.h"

#include "bottomleftspace.h"
#include "drawinginfo.h"
#include "imageview.h"
#include "keyboardconfig.h"
#include "paintkit.h"
#include "pointingsticklayer.h"
#include "profilelistviewcontroller.h"
#include "profileselectedview.h"
#include "themegeometry.h"

#include <QDir>
#include <QTest>

PanelPage::PanelPage(bool isKeymapPage)
    : m_isKeymapPage(isKeymapPage)
{
    view();
}

PanelPage::~PanelPage() = default;

QWidget *PanelPage::loadView()
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
    m_keyboard->move(BottomLeftSpace(page->height())
                         .frame(keyboard.frameOrigin, ThemeGeometry::keyboardViewSize)
                         .topLeft()
                         .toPoint());
    m_stickMark = new ImageView(m_keyboard);
    m_stickMark->setGeometry(BottomLeftSpace(m_keyboard->height())
                                 .frame(keyboard.pointImage.frameOrigin, keyboard.pointImage.size)
                                 .toRect());
    showKeyboard(KeyboardLayoutType::English);

    m_pointLayer = new PointingStickLayer(page);
    placeOn(page, m_profileViewController.profileview(),
            DrawingInfo::startKeymap().profileSelectedViewFrameOrigin);
    return page;
}

void PanelPage::showProfileList()
{
    m_profileListViewController = std::make_unique<ProfileListViewController>();
    m_profileListViewController->placeOn(view(), DrawingInfo::startKeymap().profileListFrameOrigin);
}

void PanelPage::hideProfileList()
{
    if (m_profileListViewController)
        m_profileListViewController->removeFromPage();
    setIsProfileMouseDown(false);
    m_profileViewController.updateBackground();
}

void PanelPage::updateSelectProfileName(int index)
{
    m_chosenProfiles.append(index);
    m_profileViewController.updateTextValue(index);
    hideProfileList();
}

void PanelPage::setPointLayerHidden(bool hidden)
{
    m_pointLayer->setHidden(hidden);
}

void PanelPage::place(QWidget *panel, QPointF origin)
{
    placeOn(view(), panel, origin);
}

void PanelPage::placeOn(QWidget *page, QWidget *panel, QPointF origin)
{
    panel->setParent(page);
    panel->move(BottomLeftSpace(page->height()).frame(origin, panel->size()).topLeft().toPoint());
    panel->show();
}

void PanelPage::showKeyboard(KeyboardLayoutType layoutType)
{
    const KeyboardColorType colorType = KeyBoardConfig::shared().virtualKey.keyboardColorType();
    m_keyboard->setImageName(
        DrawingInfo::virtualKeyboard().backgroundImages.image(layoutType, colorType));
    m_stickMark->setImageName(KeyBoardConfig::shared().virtualKey.pointImage());
}

void PanelPage::save(const QString &fileName)
{
    save(*view(), fileName);
}

void PanelPage::save(QWidget &widget, const QString &fileName)
{
    const QDir folder(QStringLiteral(KEYMAP_SCREENSHOT_DIR));
    QVERIFY(folder.mkpath(QStringLiteral(".")));
    QVERIFY(widget.grab().save(folder.filePath(fileName)));
}

void PanelPage::sendHover(QWidget *widget, bool isInside)
{
    if (isInside) {
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), widget->mapToGlobal(QPointF(1, 1)));
        QApplication::sendEvent(widget, &enter);
    } else {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(widget, &leave);
    }
}
