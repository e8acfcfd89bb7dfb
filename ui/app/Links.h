#pragma once
// The addresses behind the help and web-link commands, kept in one place.

namespace links {
inline constexpr const char* kSupportMail = "mailto:support@fotoviramo.example";
inline constexpr const char* kExamples = "https://fotoviramo.example/examples";
inline constexpr const char* kTemplates = "https://fotoviramo.example/templates";
inline constexpr const char* kSite = "https://fotoviramo.example/";
inline constexpr const char* kHelpPage = "Help/index.html";  // beside the program
}  // namespace links
