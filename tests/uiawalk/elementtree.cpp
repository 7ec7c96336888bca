#include "elementtree.h"

#include "output.h"

#include <array>
#include <utility>

namespace {

// UI Automation's control types, from UIA_ButtonControlTypeId (50000) on.
constexpr std::array kControlTypes{
    "Button", "Calendar", "CheckBox", "ComboBox", "Edit", "Hyperlink", "Image", "ListItem", "List", "Menu",
    "MenuBar", "MenuItem", "ProgressBar", "RadioButton", "ScrollBar", "Slider", "Spinner", "StatusBar", "Tab",
    "TabItem", "Text", "ToolBar", "ToolTip", "Tree", "TreeItem", "Custom", "Group", "Thumb", "DataGrid",
    "DataItem", "Document", "SplitButton", "Window", "Pane", "Header", "HeaderItem", "Table", "TitleBar",
    "Separator", "SemanticZoom", "AppBar",
};

std::string controlTypeName(CONTROLTYPEID type)
{
    const int index = type - UIA_ButtonControlTypeId;
    if (index >= 0 && index < static_cast<int>(kControlTypes.size()))
        return kControlTypes[static_cast<std::size_t>(index)];
    return "ControlType" + std::to_string(type);
}

// Takes a BSTR that UI Automation hands over, freeing it.
std::wstring taken(BSTR text)
{
    std::wstring result = text ? std::wstring(text, SysStringLen(text)) : std::wstring();
    SysFreeString(text);
    return result;
}

} // namespace

ElementTree::ElementTree(IUIAutomation &automation)
{
    // Wine answers E_NOTIMPL for the tree walkers, raw and control view alike;
    // a search for every child finds what a reader's walker would.
    const HRESULT result = automation.CreateTrueCondition(&m_everything);
    if (FAILED(result))
        Output::note("IUIAutomation::CreateTrueCondition: " + Output::hresult(result));
}

bool ElementTree::walk(IUIAutomationElement &element, const Visitor &visit)
{
    return walkFrom(element, 0, visit);
}

bool ElementTree::walkFrom(IUIAutomationElement &element, int depth, const Visitor &visit)
{
    if (!visit(element, depth))
        return false;
    if (!m_everything)
        return true;
    ComPtr<IUIAutomationElementArray> children;
    const HRESULT result = element.FindAll(TreeScope_Children, m_everything.Get(), &children);
    if (FAILED(result) && !std::exchange(m_findAllNoted, true))
        Output::note("IUIAutomationElement::FindAll: " + Output::hresult(result));
    int count = 0;
    if (children)
        children->get_Length(&count);
    for (int i = 0; i < count; ++i) {
        ComPtr<IUIAutomationElement> child;
        if (SUCCEEDED(children->GetElement(i, &child)) && !walkFrom(*child.Get(), depth + 1, visit))
            return false;
    }
    return true;
}

void ElementTree::print(IUIAutomationElement &element)
{
    walk(element, [this](IUIAutomationElement &each, int depth) {
        Output::line(std::string(static_cast<std::size_t>(2 * depth), ' ') + describe(each));
        return true;
    });
}

ComPtr<IUIAutomationElement> ElementTree::find(IUIAutomationElement &element, const std::wstring &wanted)
{
    ComPtr<IUIAutomationElement> found;
    walk(element, [&](IUIAutomationElement &each, int) {
        if (name(each) != wanted)
            return true;
        found = &each;
        return false;
    });
    return found;
}

std::string ElementTree::describe(IUIAutomationElement &element)
{
    std::string text = label(element);

    BSTR help = nullptr;
    const HRESULT helpResult = element.get_CurrentHelpText(&help);
    const std::wstring helpText = taken(help);
    if (FAILED(helpResult) && !std::exchange(m_helpTextNoted, true))
        Output::note("IUIAutomationElement::get_CurrentHelpText: " + Output::hresult(helpResult));
    if (!helpText.empty())
        text += " help " + Output::quoted(helpText);

    RECT box{};
    if (SUCCEEDED(element.get_CurrentBoundingRectangle(&box))) {
        text += " @" + std::to_string(box.left) + ',' + std::to_string(box.top) + ' '
            + std::to_string(box.right - box.left) + 'x' + std::to_string(box.bottom - box.top);
    }
    return text;
}

std::string ElementTree::label(IUIAutomationElement &element)
{
    CONTROLTYPEID type = 0;
    element.get_CurrentControlType(&type);
    return controlTypeName(type) + ' ' + Output::quoted(name(element));
}

std::wstring ElementTree::name(IUIAutomationElement &element)
{
    BSTR text = nullptr;
    element.get_CurrentName(&text);
    return taken(text);
}
