#include "ui/ResizeClientArea.h"

void ResizeClientArea(TWindow& window, TSize clientSize) {
    const TSize outer = window.GetSize();
    const TSize client = window.GetClientSize();
    window.Move(window.GetPosition(), TSize(clientSize.width + (outer.width - client.width),
                                            clientSize.height + (outer.height - client.height)));
}
