#ifndef DARVO_LIBRARY_PRODUCT_WRITER_H
#define DARVO_LIBRARY_PRODUCT_WRITER_H

#include "darvo/library/product_record.h"

#include "shared/platform/file_sink.h"

#include <string>
#include <vector>

namespace darvo {

// Serialises product records to the exact bytes of product.idx and product.dat, so the
// sample-library generator and the tests produce files the program reads as the
// maker's own. Only the fields the files hold are written; the derived values and the
// availability flags are the reader's to compute.
//
// Index records are written on one line each, ending in CR LF, every field in double
// quotes (so commas and blanks in it survive). The index format has no escape for a
// double quote or a line end inside a quoted field, so such a text raises
// shared::RuntimeError 5 instead of writing a file that reads back differently.

// One product.idx record (6 fields) with its line end.
std::string ProductIndexLine(const ProductRecord& record);

// One product.dat record: exactly 290 bytes, the 12 bytes the program does not read
// set to zero, PolynomialModel as -1 or 0.
std::string ProductModelBytes(const ProductRecord& record);

// Whole files, the records in table order.
std::string ProductIndexText(const std::vector<ProductRecord>& records);
std::string ProductModelFile(const std::vector<ProductRecord>& records);

// Writes product.idx and product.dat into folder. Each file goes through a sink from
// open (by default the atomic writer), so a failure leaves any earlier file of that
// name as it was. Both are serialised before the first is written, so a record that
// cannot be written leaves the folder untouched.
void WriteProductFiles(const std::string& folder, const std::vector<ProductRecord>& records,
                       const shared::FileSinkOpener& open = {});

}  // namespace darvo

#endif
