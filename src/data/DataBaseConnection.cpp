#include "data/DataBaseConnection.h"

DataBaseConnection& DataBaseConnection::Instance() {
    static DataBaseConnection connection;
    return connection;
}
