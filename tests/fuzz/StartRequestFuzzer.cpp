// Any request a later start leaves for the running Moravel: either it is refused,
// or it says a profile and a date that written again read back the same.
#include "app/StartRequest.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<StartRequest> request = DecodeStartRequest(text);
    if (!request)
        return 0;
    if (request->profile.find('\n') != std::string::npos)
        std::abort();
    const std::optional<StartRequest> again = DecodeStartRequest(EncodeStartRequest(*request));
    if (!again || again->profile != request->profile || again->date.has_value() != request->date.has_value() ||
        (request->date && !(*again->date == *request->date)))
        std::abort();
    return 0;
}
