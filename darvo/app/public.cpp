#include "darvo/app/public.h"

#include <utility>

namespace darvo {

Public::Public(ProductLibrary products, ProgramFacts facts)
    : products_(std::move(products)), facts_(std::move(facts)) {}

}  // namespace darvo
