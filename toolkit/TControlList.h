#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

// The controls attached to a window, in the order they came, and the dispatches running over them.
// A control may attach or detach controls, or end the window, while a dispatch offers it a message:
// a detach moves each running dispatch back so that no control is skipped, and a list that goes ends
// every dispatch still running over it.
template <typename Control>
class TControlList {
public:
    TControlList() = default;
    ~TControlList() {
        for (TCursor* cursor : cursors) {
            cursor->listGone = true;
        }
    }
    TControlList(const TControlList&) = delete;
    TControlList& operator=(const TControlList&) = delete;

    void Attach(Control* control) { controls.push_back(control); }

    void Detach(Control* control) {
        const auto found = std::find(controls.begin(), controls.end(), control);
        if (found == controls.end()) {
            return;
        }
        const auto index = static_cast<std::size_t>(found - controls.begin());
        controls.erase(found);
        for (TCursor* cursor : cursors) {
            if (index < cursor->next) {
                --cursor->next;
            }
        }
    }

    const std::vector<Control*>& Items() const { return controls; }

    // Offers something to each control in turn until one takes it (offer returns true); true when
    // one did. The list is read afresh after every control, and not at all once it has gone.
    template <typename Offer>
    bool Dispatch(Offer&& offer) {
        TCursor cursor{0, false};
        const TCursorRegistration registration(*this, cursor);
        while (!cursor.listGone && cursor.next < controls.size()) {
            Control* const control = controls[cursor.next];
            ++cursor.next;
            if (offer(*control)) {
                return true;
            }
        }
        return false;
    }

private:
    struct TCursor {
        std::size_t next;
        bool listGone;
    };

    // Keeps a cursor known to the list for one dispatch, also when a control throws.
    class TCursorRegistration {
    public:
        TCursorRegistration(TControlList& controlList, TCursor& dispatchCursor) : list(controlList), cursor(dispatchCursor) {
            list.cursors.push_back(&cursor);
        }
        // Dispatches nest (a control's message handling may send another message), so the cursor
        // ending is always the last one registered.
        ~TCursorRegistration() {
            if (!cursor.listGone) {
                list.cursors.pop_back();
            }
        }
        TCursorRegistration(const TCursorRegistration&) = delete;
        TCursorRegistration& operator=(const TCursorRegistration&) = delete;

    private:
        TControlList& list;
        TCursor& cursor;
    };

    std::vector<Control*> controls;
    std::vector<TCursor*> cursors;
};
