#ifndef SHARED_FILES_LITTLE_ENDIAN_H
#define SHARED_FILES_LITTLE_ENDIAN_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace shared {

// Little-endian values in the binary library records (cap.dat, ind.dat, product.dat).
// The files were written on a little-endian machine; these helpers assemble the bytes
// explicitly, so the result does not depend on the host's byte order or alignment.
//
// A read that would reach beyond the bytes raises RuntimeError 9 "Subscript out of
// range": a record layout that does not fit its record is a program fault that must
// not read foreign memory.
std::int16_t ReadInt16Le(std::string_view bytes, std::size_t offset);
std::int32_t ReadInt32Le(std::string_view bytes, std::size_t offset);
float ReadSingleLe(std::string_view bytes, std::size_t offset);
double ReadDoubleLe(std::string_view bytes, std::size_t offset);

// The counterparts for writing records (the sample-library generator, tests).
void AppendInt16Le(std::string& bytes, std::int16_t value);
void AppendInt32Le(std::string& bytes, std::int32_t value);
void AppendSingleLe(std::string& bytes, float value);
void AppendDoubleLe(std::string& bytes, double value);

}  // namespace shared

#endif
