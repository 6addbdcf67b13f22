/* The host interface header must stay plain C: hosts written in C include it. */
#include "hostlink/HostApi.h"

#include <stddef.h>
#include <string.h>

static int32_t Handler(intptr_t argument) { return argument == 0 ? 0 : 1; }

int main(void) {
    HostApi api;
    memset(&api, 0, sizeof api);
    /* Slots 3 to 8 follow three unused pointer-sized slots. */
    if (offsetof(HostApi, Subscribe) != 3 * sizeof(void*)) return 1;
    if (offsetof(HostApi, Exists) != 8 * sizeof(void*)) return 2;
    if (sizeof(HostApi) != 9 * sizeof(void*)) return 3;

    static const char16_t path[] = u"a/b";
    CreateNewMenuRecord record = {sizeof(CreateNewMenuRecord), path, 0, QUORVEL_MENU_COMMAND};
    if (record.menuPath[1] != u'/' || strcmp(record.commandName, "quorvel/MenuCommand") != 0) return 4;

    int32_t ids[ASSAY_ID_LIST_CAPACITY] = {0};
    AssayIdList list = {ids, ASSAY_ID_LIST_CAPACITY};
    char16_t text[PROFILE_STRING_CAPACITY + 1];
    ProfileStringBuffer buffer = {text, PROFILE_STRING_CAPACITY};
    HostHandler handler = Handler;
    if (list.capacity != 256 || buffer.capacity != 128 || handler(0) != 0) return 5;
    if (HOST_MSG_ASSAYS_CHANGED != 0x040B) return 6;
    return 0;
}
