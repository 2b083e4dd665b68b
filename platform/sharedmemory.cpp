#include "sharedmemory.h"

#include <sys/ipc.h>
#include <sys/shm.h>

SharedMemory::~SharedMemory()
{
    detach();
}

bool SharedMemory::attach(key_t key, std::size_t minSize, bool readOnly)
{
    detach();
    if (key == IPC_PRIVATE)
        return false;
    const int id = ::shmget(key, 0, 0);
    return id >= 0 && attachId(id, minSize, readOnly);
}

bool SharedMemory::create(key_t key, std::size_t size)
{
    detach();
    if (key == IPC_PRIVATE || size == 0)
        return false;
    const int id = ::shmget(key, size, IPC_CREAT | 0666);
    return id >= 0 && attachId(id, size, false);
}

bool SharedMemory::attachId(int id, std::size_t minSize, bool readOnly)
{
    shmid_ds info {};
    if (::shmctl(id, IPC_STAT, &info) != 0 || info.shm_segsz < minSize)
        return false;
    void *p = ::shmat(id, nullptr, readOnly ? SHM_RDONLY : 0);
    if (p == reinterpret_cast<void *>(-1))
        return false;
    m_id = id;
    m_data = p;
    m_size = info.shm_segsz;
    return true;
}

void SharedMemory::detach()
{
    if (m_data)
        ::shmdt(m_data);
    m_data = nullptr;
    m_size = 0;
}

bool SharedMemory::remove()
{
    const int id = m_id;
    detach();
    m_id = -1;
    return id >= 0 && ::shmctl(id, IPC_RMID, nullptr) == 0;
}
