#include "platform/Failure.h"

#include <new>
#include <stdexcept>

Failure::Failure(int number, QString description)
    : m_number(number), m_description(std::move(description)),
      m_what(QString::number(number).append(QLatin1String(" - ")).append(m_description).toStdString())
{
}

CurrentError CurrentError::fromCurrentException()
{
    const std::exception_ptr current = std::current_exception();
    if (!current)
        return {};
    try {
        std::rethrow_exception(current);
    } catch (const Failure &failure) {
        return {failure.number(), failure.description()};
    } catch (const std::bad_alloc &) {
        return {7, QStringLiteral("Out of memory")};
    } catch (const std::out_of_range &error) {
        return {Failure::OutOfRange, QString::fromLocal8Bit(error.what())};
    } catch (const std::exception &error) {
        return {Failure::InvalidCall, QString::fromLocal8Bit(error.what())};
    } catch (...) {
        return {Failure::InvalidCall, QStringLiteral("Unknown failure")};
    }
}
