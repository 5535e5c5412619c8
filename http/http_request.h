// The one routine through which the tool reads web pages: a synchronous
// HTTP request that returns the response body.
//
// Every argument after url may be left out. Out and in/out arguments are
// the caller's variables (nullptr: left out); cookies and proxy also matter
// by whether they are given at all:
// - cookies given, even empty: the shared cookie store is bypassed, a
//   non-empty text is sent as a Cookie line, and afterwards the received
//   cookies are merged into it (Cookie_Merge).
// - proxy given, even empty: plain http goes through the proxy "http=" +
//   proxy names; otherwise the connection is direct.
// The extra header text gets Referer, Accept, Accept-Language and
// Content-Type lines unless it has them (case-sensitive), and on return
// holds what was sent. rawHeaders receives the response header block, or
// 5000 spaces when none could be had; location the value of the last
// Location line, or a copy of rawHeaders when there is none. The HTTP status
// is never looked at; a failure gives an empty body.
#pragma once

#include "text/text.h"

// The agent string sent unless headers carry a User-Agent line.
extern const char* const kHttpDefaultAgent;

// The agent string a request with these extra headers announces: the value
// of their User-Agent line (letter case ignored), else the default.
Text httpRequestAgent(const Text& headers);

// method: 0 GET without body, 1 POST with body, anything else GET with body.
ByteSet Http_Request(const Text& url, int method = 0, const Text& postText = Text(),
                     Text* cookies = nullptr, Text* receivedCookies = nullptr,
                     Text* headers = nullptr, Text* location = nullptr, bool noRedirect = false,
                     ByteSet* postBytes = nullptr, const Text* proxy = nullptr,
                     Text* rawHeaders = nullptr);
