#pragma once

// The web addresses the program opens: its home page, the support address,
// the page that tells whether a newer version exists, and the download pages
// of the components it can offer to fetch.
inline constexpr const char* HOME_PAGE_HOST = "sondrel.example";
inline constexpr const char* HOME_PAGE_URL = "https://sondrel.example/";
inline constexpr const char* SUPPORT_MAIL_ADDRESS = "support@sondrel.example";
inline constexpr const char* UPDATE_CHECK_URL = "https://sondrel.example/latest";
inline constexpr const char* SOUNDFONT_DOWNLOAD_URL = "https://sondrel.example/download/ct4mgm.sf2";
inline constexpr const char* WMA_RUNTIME_DOWNLOAD_URL = "https://sondrel.example/download/wma-runtime";

// The version and build the update check reports.
inline constexpr const char* PRODUCT_VERSION = "2.4";
inline constexpr const char* PRODUCT_BUILD = "775";
