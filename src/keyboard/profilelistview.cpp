#include "profilelistview.h"

#include "drawinginfo.h"
#include "keyboardconfig.h"
#include "keyboardpageinterface.h"
#include "paintkit.h"
#include "profileitem.h"
#include "profileselectedviewcontroller.h"

#include <QGraphicsDropShadowEffect>
#include <QPainter>

namespace {
constexpr int margin = 4;
constexpr int itemHeight = 27;
constexpr int itemSpacing = 3;
constexpr double shadowOpacity = 0.2;
} // namespace

ProfileListView::ProfileListView(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(viewSize);
    for (int index = 0; index < 4; ++index) {
        auto *item = new ProfileItem(ProfileSelectedViewController::profileName(index), this);
        item->setObjectName(QStringLiteral("profile%1Button").arg(index + 1));
        item->setGeometry(margin, margin + index * (itemHeight + itemSpacing), width() - 2 * margin,
                          itemHeight);
        connect(item, &ProfileItem::clicked, this, [this, index] { profileAction(index); });
        m_profileButtons.append(item);
    }
    auto *shadow = new QGraphicsDropShadowEffect(this);
    shadow->setColor(QColor(0, 0, 0, int(255 * shadowOpacity)));
    shadow->setOffset(0, 3);
    shadow->setBlurRadius(6);
    setGraphicsEffect(shadow);
}

void ProfileListView::profileAction(int index)
{
    if (KeyboardPageInterface *page = KeyboardPageInterface::of(this))
        page->updateSelectProfileName(index);
}

void ProfileListView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintKit::fillRounded(painter, rect(), DrawingInfo::profileList().cornerRadius,
                          KeyBoardConfig::shared().profile.profileList.background());
}
