#include "toolkit/AccessibleClient.h"

#include "toolkit/TClientObject.h"
#include "toolkit/TComReference.h"

LRESULT AnswerClientObject(HWND window, WPARAM flags, const TAccessibleContent& content) {
    TComReference<IAccessible> standard;
    if (FAILED(CreateStdAccessibleObject(window, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(standard.Out())))) {
        return 0;
    }
    TComReference<TClientObject> client(new TClientObject(window, standard.Detach(), content));
    return LresultFromObject(IID_IAccessible, flags, client.Get());
}
