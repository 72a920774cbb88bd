#pragma once
// The store's review prompt has no desktop counterpart: a request is logged and counted.
namespace kit {

class ReviewRequest {
public:
    static void requestReview();
    static int requestCount();
    static void resetCount();
};

} // namespace kit
