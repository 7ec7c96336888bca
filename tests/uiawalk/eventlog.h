#pragma once

#include <uiautomation.h>

#include <atomic>

// Listens, from the desktop down, for every event a screen reader would hear
// of the game, and prints each as it arrives: `event Focus Button "区画2 空き地"`.
// What UI Automation refuses to listen for is noted with its HRESULT.
class EventLog final : public IUIAutomationFocusChangedEventHandler,
                       public IUIAutomationEventHandler,
                       public IUIAutomationStructureChangedEventHandler,
                       public IUIAutomationPropertyChangedEventHandler,
                       public IUIAutomationNotificationEventHandler {
public:
    // Adds every handler; UI Automation holds the log until removeFrom().
    // Made with new, it deletes itself with its last reference.
    void addTo(IUIAutomation &automation);
    static void removeFrom(IUIAutomation &automation);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE HandleFocusChangedEvent(IUIAutomationElement *sender) override;
    HRESULT STDMETHODCALLTYPE HandleAutomationEvent(IUIAutomationElement *sender, EVENTID event) override;
    HRESULT STDMETHODCALLTYPE HandleStructureChangedEvent(IUIAutomationElement *sender, StructureChangeType change,
                                                          SAFEARRAY *runtimeId) override;
    HRESULT STDMETHODCALLTYPE HandlePropertyChangedEvent(IUIAutomationElement *sender, PROPERTYID property,
                                                         VARIANT value) override;
    HRESULT STDMETHODCALLTYPE HandleNotificationEvent(IUIAutomationElement *sender, NotificationKind kind,
                                                      NotificationProcessing processing, BSTR text,
                                                      BSTR activityId) override;

private:
    std::atomic<ULONG> m_references{1};
};
