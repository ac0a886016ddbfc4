#include "members/Peers.h"

MemberPeers& Peers() {
    static MemberPeers peers;
    return peers;
}
