#pragma once

// Instance unique d'un moteur ou d'un gestionnaire, créée au premier appel et jamais détruite.
template <typename T>
class Singleton
{
public:
    static T* Instance()
    {
        if (!instance)
            instance = new T();
        return instance;
    }

protected:
    Singleton() = default;
    virtual ~Singleton() = default;

private:
    Singleton(const Singleton&) = delete;
    Singleton& operator=(const Singleton&) = delete;
    static T* instance;
};

template <typename T>
T* Singleton<T>::instance = nullptr;
