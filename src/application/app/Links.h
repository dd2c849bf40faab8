#pragma once

// The two web pages of the Help menu.
namespace Links {
inline constexpr const char* GoogleGroup = "https://groups.google.com/g/keldo-modem";
inline constexpr const char* DownloadSite = "https://keldo.example.org/download";
} // namespace Links
