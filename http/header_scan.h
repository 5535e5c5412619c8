// Reading the redirect target and the set cookies out of a raw response
// header block (lines separated by CR LF).
#pragma once

#include "text/text.h"

// Every line holding "Location:" (case-sensitive, anywhere in the line, so
// Content-Location counts too) sets location to its value, the last one
// winning; location is left alone when none does. receivedCookies becomes
// the pairs of the "Set-Cookie" lines (the text up to the first ";" after
// "Set-Cookie:", trimmed), joined by "; ".
void scanResponseHeaders(const Text& rawHeaders, Text& location, Text& receivedCookies);
