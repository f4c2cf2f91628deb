#pragma once

// The web addresses the program opens: its home page and the download pages
// of the components it can offer to fetch.
inline constexpr const char* HOME_PAGE_URL = "https://sondrel.vantrel.example/";
inline constexpr const char* SOUNDFONT_DOWNLOAD_URL = "https://sondrel.vantrel.example/download/ct4mgm.sf2";
inline constexpr const char* WMA_RUNTIME_DOWNLOAD_URL = "https://sondrel.vantrel.example/download/wma-runtime";
