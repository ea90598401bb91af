#include "KIN_AppContext.h"

KIN_AppContext& KIN_AppContext::Get()
{
    static KIN_AppContext context;
    return context;
}
