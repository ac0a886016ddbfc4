#include "login/SignedInOperator.h"

int loggedIn = 0;
std::string operatorId;
std::string operatorName;
std::string operatorTel;
