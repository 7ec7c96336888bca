#include "eventlog.h"

#include "elementtree.h"
#include "output.h"

#include <array>
#include <string>
#include <utility>

namespace {

// What the game can raise besides focus: a window opening, and what Qt's
// announcement might become where the client has no notification handler.
constexpr std::array<std::pair<EVENTID, const char *>, 4> kAutomationEvents{{
    {UIA_Window_WindowOpenedEventId, "WindowOpened"},
    {UIA_LiveRegionChangedEventId, "LiveRegionChanged"},
    {UIA_SystemAlertEventId, "SystemAlert"},
    {UIA_NotificationEventId, "Notification"},
}};

void noteFailure(const std::string &method, HRESULT result)
{
    if (FAILED(result))
        Output::note(method + ": " + Output::hresult(result));
}

std::string eventName(EVENTID event)
{
    for (const auto &[id, name] : kAutomationEvents) {
        if (id == event)
            return name;
    }
    return "Event" + std::to_string(event);
}

std::string sent(IUIAutomationElement *sender)
{
    return sender ? ElementTree::label(*sender) : std::string("(no element)");
}

} // namespace

void EventLog::addTo(IUIAutomation &automation)
{
    ComPtr<IUIAutomationElement> desktop;
    noteFailure("IUIAutomation::GetRootElement", automation.GetRootElement(&desktop));
    if (!desktop)
        return;
    IUIAutomationElement *root = desktop.Get();

    noteFailure("IUIAutomation::AddFocusChangedEventHandler", automation.AddFocusChangedEventHandler(nullptr, this));
    for (const auto &[event, name] : kAutomationEvents) {
        noteFailure(std::string("IUIAutomation::AddAutomationEventHandler(") + name + ')',
                    automation.AddAutomationEventHandler(event, root, TreeScope_Subtree, nullptr, this));
    }
    noteFailure("IUIAutomation::AddStructureChangedEventHandler",
                automation.AddStructureChangedEventHandler(root, TreeScope_Subtree, nullptr, this));
    PROPERTYID name = UIA_NamePropertyId;
    noteFailure("IUIAutomation::AddPropertyChangedEventHandlerNativeArray(Name)",
                automation.AddPropertyChangedEventHandlerNativeArray(root, TreeScope_Subtree, nullptr, this, &name, 1));

    // Qt's announcement reaches a client as a notification, which needs IUIAutomation5.
    ComPtr<IUIAutomation5> notifying;
    const HRESULT query = automation.QueryInterface(IID_IUIAutomation5, &notifying);
    noteFailure("IUIAutomation::QueryInterface(IUIAutomation5)", query);
    if (notifying) {
        noteFailure("IUIAutomation5::AddNotificationEventHandler",
                    notifying->AddNotificationEventHandler(root, TreeScope_Subtree, nullptr, this));
    }
}

void EventLog::removeFrom(IUIAutomation &automation)
{
    automation.RemoveAllEventHandlers();
}

HRESULT EventLog::QueryInterface(REFIID iid, void **object)
{
    if (iid == IID_IUnknown || iid == IID_IUIAutomationFocusChangedEventHandler)
        *object = static_cast<IUIAutomationFocusChangedEventHandler *>(this);
    else if (iid == IID_IUIAutomationEventHandler)
        *object = static_cast<IUIAutomationEventHandler *>(this);
    else if (iid == IID_IUIAutomationStructureChangedEventHandler)
        *object = static_cast<IUIAutomationStructureChangedEventHandler *>(this);
    else if (iid == IID_IUIAutomationPropertyChangedEventHandler)
        *object = static_cast<IUIAutomationPropertyChangedEventHandler *>(this);
    else if (iid == IID_IUIAutomationNotificationEventHandler)
        *object = static_cast<IUIAutomationNotificationEventHandler *>(this);
    else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG EventLog::AddRef()
{
    return ++m_references;
}

ULONG EventLog::Release()
{
    const ULONG left = --m_references;
    if (left == 0)
        delete this;
    return left;
}

HRESULT EventLog::HandleFocusChangedEvent(IUIAutomationElement *sender)
{
    Output::line("event Focus " + sent(sender));
    return S_OK;
}

HRESULT EventLog::HandleAutomationEvent(IUIAutomationElement *sender, EVENTID event)
{
    Output::line("event " + eventName(event) + ' ' + sent(sender));
    return S_OK;
}

HRESULT EventLog::HandleStructureChangedEvent(IUIAutomationElement *sender, StructureChangeType change, SAFEARRAY *)
{
    Output::line("event StructureChanged" + std::to_string(change) + ' ' + sent(sender));
    return S_OK;
}

HRESULT EventLog::HandlePropertyChangedEvent(IUIAutomationElement *sender, PROPERTYID property, VARIANT value)
{
    std::string text = "event PropertyChanged" + std::to_string(property) + ' ' + sent(sender);
    if (value.vt == VT_BSTR && value.bstrVal)
        text += " to " + Output::quoted(value.bstrVal);
    Output::line(text);
    return S_OK;
}

HRESULT EventLog::HandleNotificationEvent(IUIAutomationElement *sender, NotificationKind, NotificationProcessing,
                                          BSTR text, BSTR)
{
    Output::line("event Notification " + sent(sender) + " says "
                 + Output::quoted(text ? std::wstring_view(text, SysStringLen(text)) : std::wstring_view()));
    return S_OK;
}
