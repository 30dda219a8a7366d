#pragma once

// Settings fixed when the application is built (the build's TEMBREL_STREAM_HOST
// and TEMBREL_WEB_HOST); the tests link values of their own.
extern const char* const kStreamHost;
extern const char* const kWebSiteAddress;
