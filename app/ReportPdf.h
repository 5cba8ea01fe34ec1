// Printing the HTML report to PDF with a headless Chromium, when one is installed.
#pragma once

#include <optional>
#include <string>

namespace as4100 {

// The Chromium to print with: $AS4100_CHROMIUM when set, else the first of chromium,
// chromium-browser, google-chrome, google-chrome-stable on the PATH.
std::optional<std::string> FindChromium();

// What to do when none is found (a sentence for the refusal message).
std::string NoChromiumMessage();

// Prints `html` to the PDF `path` (written to a temporary file, renamed into place). Throws
// std::runtime_error when the browser fails.
void PrintPdf(const std::string& chromium, const std::string& html, const std::string& path);

}  // namespace as4100
