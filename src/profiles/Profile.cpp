#include "profiles/Profile.h"

Profile::~Profile() = default;
