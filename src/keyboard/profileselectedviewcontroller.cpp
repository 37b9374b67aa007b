#include "profileselectedviewcontroller.h"

#include "profileselectedview.h"

#include <QLabel>

ProfileSelectedViewController::ProfileSelectedViewController(QObject *parent)
    : QObject(parent)
    , m_profileview(new ProfileSelectedView)
{
    updateTextValue(0);
}

ProfileSelectedViewController::~ProfileSelectedViewController()
{
    delete m_profileview.data();
}

ProfileSelectedView *ProfileSelectedViewController::profileview() const
{
    return m_profileview;
}

QLabel *ProfileSelectedViewController::text() const
{
    return m_profileview->text();
}

void ProfileSelectedViewController::updateTextValue(int textValueIndex)
{
    text()->setText(profileName(textValueIndex));
    updateBackground();
}

void ProfileSelectedViewController::updateBackground()
{
    m_profileview->updateBackground();
}

QString ProfileSelectedViewController::profileName(int index)
{
    const bool known = index >= 0 && index <= 3;
    return QStringLiteral("Profile%1").arg(known ? index + 1 : 1);
}
