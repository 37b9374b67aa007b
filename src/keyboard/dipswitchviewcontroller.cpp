#include "dipswitchviewcontroller.h"

#include "dipswitchview.h"
#include "imageview.h"
#include "localizedstrings.h"

#include <QLabel>

DipSwitchViewController::DipSwitchViewController(const QList<bool> &dipSwitch, QObject *parent)
    : DipSwitchViewController(dipSwitch, {}, false, QStringLiteral("DipswLabel"), parent)
{}

DipSwitchViewController::DipSwitchViewController(const QList<bool> &dipSwitch,
                                                 const QList<bool> &errorStatus, QObject *parent)
    : DipSwitchViewController(dipSwitch, errorStatus, true,
                              QStringLiteral("CompareWindow_CurrentSetting"), parent)
{}

DipSwitchViewController::DipSwitchViewController(const QList<bool> &dipSwitch, bool isMessageWindow,
                                                 QObject *parent)
    : DipSwitchViewController(
          dipSwitch, {}, isMessageWindow,
          isMessageWindow ? QStringLiteral("CompareWindow_ConfigFileLabel") : QString(), parent)
{}

DipSwitchViewController::DipSwitchViewController(const QList<bool> &dipSwitch,
                                                 const QList<bool> &errorStatus,
                                                 bool isMessageWindow, const QString &captionKey,
                                                 QObject *parent)
    : QObject(parent)
    , m_view(new DipSwitchView)
    , m_dipSwitch(sixSwitches(dipSwitch))
    , m_errorStatus(sixSwitches(errorStatus))
    , m_isMessageWindow(isMessageWindow)
    , m_dipSwitchValue(captionKey.isEmpty() ? QString() : LocalizedStrings::text(captionKey))
{
    m_view->caption()->setText(m_dipSwitchValue);
    loadDipSwitch();
}

DipSwitchViewController::~DipSwitchViewController()
{
    delete m_view.data();
}

DipSwitchView *DipSwitchViewController::view() const
{
    return m_view;
}

void DipSwitchViewController::loadDipSwitch()
{
    for (int index = 0; index < DipSwitchView::switchCount; ++index) {
        const bool on = m_dipSwitch.at(index);
        m_view->switchOn(index)->setHidden(!on);
        m_view->switchOff(index)->setHidden(on);
        if (!m_errorStatus.at(index)) {
            m_view->switchError(index)->hide();
            m_view->switchErrorIcon(index)->hide();
        }
    }
}

QList<bool> DipSwitchViewController::sixSwitches(const QList<bool> &values)
{
    QList<bool> switches = values;
    switches.resize(DipSwitchView::switchCount, false);
    return switches;
}

QList<bool> DipSwitchViewController::differingSwitches(const QList<bool> &keyboard,
                                                       const QList<bool> &file)
{
    const QList<bool> left = sixSwitches(keyboard);
    const QList<bool> right = sixSwitches(file);
    QList<bool> differences;
    for (int index = 0; index < DipSwitchView::switchCount; ++index)
        differences.append(left.at(index) != right.at(index));
    return differences;
}
