#pragma once

#include <optional>
#include <string>

namespace mirvo {

class App;

// The web address in a clip's text: its first line, trimmed, when it starts with "http://",
// "https://" or "ftp://", or with "www." (then "http://" goes in front). Nothing otherwise:
// any other text could name a program for the default handler to run.
std::optional<std::string> WebAddressFromText(const std::string& text);
// The e-mail target of a clip's text: its first line, trimmed, as a "mailto:" address.
std::string MailTargetFromText(const std::string& text);

// A web-page clip just restored to the clipboard opens in a new browser window through the
// launcher; an e-mail clip opens a new message. The clipboard is left empty with the markers,
// so that no clip is captured from it. Text that is not an address gives the two tones.
void OpenWebPageClip(App& app);
void OpenEmailClip(App& app);

}  // namespace mirvo
