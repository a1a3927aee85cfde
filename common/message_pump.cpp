#include "message_pump.h"

void drainMessages(HWND dialog, const int& cancelled) {
    MSG message;
    while (cancelled == 0 && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!IsDialogMessageA(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}
