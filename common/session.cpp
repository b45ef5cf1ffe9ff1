#include "session.h"

namespace orbista {

Session& Session::current() {
    static Session session;
    return session;
}

}  // namespace orbista
