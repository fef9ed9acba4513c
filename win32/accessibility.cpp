#include "win32/accessibility.h"

#include "win32/text_encoding.h"

#include <initguid.h>
#include <oleacc.h>

namespace velmora::win32 {
namespace {

void SetProperty(IAccPropServices* services, HWND control, const MSAAPROPID& property, std::string_view utf8) {
    if (services == nullptr || control == nullptr) return;
    const std::wstring text = Utf8ToWide(utf8);
    services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, property, text.c_str());
}

}  // namespace

Accessibility::Accessibility() {
    void* services = nullptr;
    if (SUCCEEDED(::CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                     &services)))
        services_ = static_cast<IAccPropServices*>(services);
}

Accessibility::~Accessibility() {
    if (services_ != nullptr) services_->Release();
}

void Accessibility::SetName(HWND control, std::string_view utf8) {
    SetProperty(services_, control, PROPID_ACC_NAME, utf8);
}

void Accessibility::SetDescription(HWND control, std::string_view utf8) {
    SetProperty(services_, control, PROPID_ACC_DESCRIPTION, utf8);
}

void Accessibility::Announce(HWND window) {
    ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
    ::NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, window, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace velmora::win32
