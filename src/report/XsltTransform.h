// The transformation of the report document into its HTML file with an XSLT 1.0 stylesheet
// (libxslt). The stylesheet may read nothing but itself and the document: no imported or included
// stylesheets, no document() of files, no network, no external entities, no files written but the
// output.
#pragma once

#include "base/Status.h"

#include <libxml/tree.h>

#include <string>

// Largest stylesheet file accepted, bytes.
constexpr long kMaxStylesheetBytes = 4L << 20;

// Transforms document with the stylesheet file and writes the result to outputPath (created or
// replaced; a link there is not followed). TransformFailed with the reason of libxml2 or libxslt, and
// outputPath untouched, when the document is null, the stylesheet is missing, too large, not
// well-formed or not a valid stylesheet, or the transformation fails; FileNotWritten with the path and
// the system's reason when outputPath is not a writable regular file (a write failing part-way leaves
// it cut short).
Status TransformToFile(xmlDocPtr document, const std::string& stylesheetPath, const std::string& outputPath);
