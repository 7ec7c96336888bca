#pragma once

#include <uiautomation.h>
#include <wrl/client.h>

#include <functional>
#include <string>

using Microsoft::WRL::ComPtr;

// An element's subtree as a screen reader meets it, walked depth first in the
// provider's order.
class ElementTree {
public:
    explicit ElementTree(IUIAutomation &automation);

    // Calls visit on the element and each element below it, with its depth
    // (0 for the element), until visit returns false.
    using Visitor = std::function<bool(IUIAutomationElement &element, int depth)>;
    bool walk(IUIAutomationElement &element, const Visitor &visit);

    // Prints the subtree, an element a line, indented by depth:
    // `Button "低密度住宅" help "5＄" @12,40 32x32`.
    void print(IUIAutomationElement &element);

    // The first element of the subtree with this name, or null.
    ComPtr<IUIAutomationElement> find(IUIAutomationElement &element, const std::wstring &name);

    // What a reader hears of the element: its control type, name and help
    // text, and where it lies on the screen.
    std::string describe(IUIAutomationElement &element);

    // Its control type and name alone: `Button "低密度住宅"`.
    static std::string label(IUIAutomationElement &element);
    static std::wstring name(IUIAutomationElement &element);

private:
    bool walkFrom(IUIAutomationElement &element, int depth, const Visitor &visit);

    ComPtr<IUIAutomationCondition> m_everything;
    // Each call UI Automation refuses is noted once, not per element.
    bool m_findAllNoted = false;
    bool m_helpTextNoted = false;
};
