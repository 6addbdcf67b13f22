// The process-wide holder of the host database location.
#include "data/DataBaseConnection.h"

DataBaseConnection& DataBaseConnection::Instance() {
    static DataBaseConnection connection;
    return connection;
}
