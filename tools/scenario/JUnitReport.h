// The run as JUnit XML, the form GitLab, Jenkins and most CI systems show:
// one test case per scenario file.
#pragma once
#include <string>
#include <vector>

#include "FileReport.h"

// Text for XML and HTML: & < > " escaped, bytes that are not UTF-8 as '?'.
std::string Markup(const std::string& text);

std::string JUnitXml(const std::vector<TFileReport>& reports);
