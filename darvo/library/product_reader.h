#ifndef DARVO_LIBRARY_PRODUCT_READER_H
#define DARVO_LIBRARY_PRODUCT_READER_H

#include "darvo/library/product_record.h"

#include <string>
#include <string_view>
#include <vector>

namespace darvo {

// The record-level pieces of reading the product files. They raise shared::RuntimeError
// with the classic numbers; the loader adds the file or part and the report title.

// Fills PartNumber, SizeCode and TempChar from the six fields of a product.idx record,
// in file order (EIA before JIS for each). A wrong field count raises 5.
void ReadProductIndexFields(const std::vector<std::string>& fields, ProductRecord& record);

// Fills PolynomialModel, CapModel and HeatModel from one 290-byte product.dat record and
// sets ChartAvailable from them. The first 12 bytes are not read: the delivered files
// hold nothing the program uses there. Any 16-bit value other than 0 is taken as True,
// as the classic Boolean test does. Fewer bytes raise 9.
void ReadProductModel(std::string_view bytes, ProductRecord& record);

}  // namespace darvo

#endif
