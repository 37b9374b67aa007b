#include "fakeeditports.h"

namespace {

QString onOff(bool on)
{
    return on ? "on" : "off";
}

} // namespace

bool FakeEditPorts::answer(MessageModalResponseType answer)
{
    if (m_open.isEmpty())
        return false;
    // The completion may show the next message.
    const Completion completion = m_open.takeFirst();
    completion(answer);
    return true;
}

void FakeEditPorts::showMessage(int number, Completion completion)
{
    messages << number;
    if (m_atOnce)
        completion(*m_atOnce);
    else
        m_open << std::move(completion);
}

void FakeEditPorts::showMessage9005(KeyboardLayoutType layout, Completion completion)
{
    messageLayouts << layout;
    showMessage(9005, std::move(completion));
}

QString FakeEditPorts::hintName(PleaseClickHint hint)
{
    static const char *const names[] = {"none", "virtualKey", "assignKey"};
    return names[int(hint)];
}

void FakeEditPorts::hintChanged(PleaseClickHint hint)
{
    events << "hint(" + hintName(hint) + ")";
}

void FakeEditPorts::selectionsCleared(bool clearShortcutCombination)
{
    events << (clearShortcutCombination ? "clear(reset)" : "clear(keep)");
}

void FakeEditPorts::writeButtonChanged(bool enabled)
{
    events << "write(" + onOff(enabled) + ")";
}

void FakeEditPorts::undoButtonChanged(bool enabled)
{
    events << "undo(" + onOff(enabled) + ")";
}

void FakeEditPorts::layerShown(FnMode layer)
{
    events << QString("layer(%1)").arg(int(layer));
}

void FakeEditPorts::paletteLayerShown(FnMode layer)
{
    events << QString("paletteLayer(%1)").arg(int(layer));
}
