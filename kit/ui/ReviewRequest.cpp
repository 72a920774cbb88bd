#include "kit/ui/ReviewRequest.h"

#include <iostream>

namespace kit {
namespace {
int count = 0;
}

void ReviewRequest::requestReview() {
    ++count;
    std::clog << "tinctura: review requested\n";
}

int ReviewRequest::requestCount() { return count; }
void ReviewRequest::resetCount() { count = 0; }

} // namespace kit
