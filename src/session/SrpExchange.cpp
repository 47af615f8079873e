#include "session/SrpExchange.h"

#include "platform/Failure.h"

namespace {

NlsContext &existing(const std::unique_ptr<NlsContext> &context, const char *what)
{
    if (!context)
        throw Failure(Failure::ObjectMissing,
                      QStringLiteral("No SRP logon is under way for %1").arg(QLatin1String(what)));
    return *context;
}

} // namespace

NlsContext &SrpExchange::current() const
{
    return existing(context, "this reply");
}

NlsContext &SrpExchange::previousContext() const
{
    return existing(previous, "the old password");
}

void SrpExchange::clear()
{
    nls_free(context);
    nls_free(previous);
    A.clear();
    salt.clear();
    B.clear();
    M2.clear();
    changeProof.clear();
}
