#pragma once

namespace corvane::platform {

// Joins the calling thread to a COM apartment, once per thread, before it uses a COM service
// (the picture decoders). A thread the program or a library already joined, in either kind of
// apartment, is left as it is. False when COM cannot start on this thread.
bool EnterComApartment();

}  // namespace corvane::platform
