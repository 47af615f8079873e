#pragma once

#include "profiles/PerProfileObject.h"

// One profile's Battle.net connection.
class clsConnection : public PerProfileObject {
public:
    using PerProfileObject::PerProfileObject;
};
