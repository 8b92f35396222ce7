#pragma once

#include <string>

namespace mirvo::platform {

enum class SendWait { NoWait, WaitForProcessing };

// Injects keystrokes written in brace notation: "^{v}", "+{INSERT}", "{TAB}".
class KeySender {
public:
    virtual ~KeySender() = default;
    virtual void Send(const std::string& keys, SendWait wait) = 0;
};

}  // namespace mirvo::platform
