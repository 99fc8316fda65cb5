#pragma once
// A real function of one real variable as the scan and the solvers call it:
// a reference to any callable object, copied freely and allocating nothing.
// The object referred to must outlive the reference. A value of NaN means
// the function has no value there.

class CRealFunction {
public:
    template <class F>
    CRealFunction(const F& f)  // NOLINT: meant to convert implicitly
        : m_pObject(&f), m_pCall([](const void* object, double x) { return (*static_cast<const F*>(object))(x); }) {}

    double operator()(double x) const { return m_pCall(m_pObject, x); }

private:
    const void* m_pObject;
    double (*m_pCall)(const void*, double);
};
