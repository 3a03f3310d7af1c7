#include "toolkit/AccessibleClient.h"

#include "toolkit/OleAccess.h"
#include "toolkit/TClientObject.h"
#include "toolkit/TComReference.h"

LRESULT AnswerClientObject(HWND window, WPARAM flags, const TAccessibleContent& content) {
    const TOleAccess& access = OleAccess();
    TComReference<IAccessible> standard;
    if (access.createStdAccessibleObject == nullptr || access.lresultFromObject == nullptr ||
        FAILED(access.createStdAccessibleObject(window, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(standard.Out())))) {
        return 0;
    }
    TComReference<TClientObject> client(new TClientObject(window, standard.Detach(), content));
    return access.lresultFromObject(IID_IAccessible, flags, client.Get());
}
