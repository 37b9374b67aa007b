#pragma once

#include "editfixture.h"
#include "fakeflowports.h"
#include "keymappageflows.h"
#include "resourcefixture.h"

#include <QString>

// The keymap page's commands on an editing model (EditFixture) with fake surroundings. Setting
// files go to the resource fixture's folder and are read back by the program's own reader, on a
// connected "KX-QR320B" (Japanese) unless the test reads them itself; logging is verbose.
class FlowFixture
{
public:
    explicit FlowFixture(const QList<EditFixture::KeyEdit> &physicalEdits = {},
                         bool pointingStick = false,
                         const QList<bool> &gesturePads = {true, true, true, true},
                         const QList<bool> &dipSwitch = {false, false, false, false, false, false});

    KeymapEditModel &model() { return edit.model; }
    FakeEditPorts &messages() { return edit.ports; }
    // A path in the fixture's folder.
    QString path(const QString &name) const { return resources.root() + name; }
    // Answers the open messages in turn, such as "OK NO"; false when fewer were open.
    bool answer(const QString &answers);
    // The setting file at path as the program reads it.
    ConfigDataEntity readFile(const QString &path) const;
    // Whether the page shows exactly the keyboard's profiles, pads and stick.
    bool showsKeyboardState();

    ResourceFixture resources;
    EditFixture edit;
    FakeFlowPorts ports;
    // Reads setting files for the page; the program's reader unless a test replaces it.
    SettingFileFlow::KeymapReader readKeymap;
    int terminations = 0;
    KeymapPageFlows flows;
};
