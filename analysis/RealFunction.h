#pragma once
// A real function of one real variable as the scan and the solvers call it:
// a reference to any callable object, copied freely and allocating nothing.
// The object referred to must outlive the reference. A value of NaN means
// the function has no value there.

class RealFunction {
public:
    template <class F>
    RealFunction(const F& f)  // NOLINT: meant to convert implicitly
        : m_object(&f), m_call([](const void* object, double x) { return (*static_cast<const F*>(object))(x); }) {}

    double operator()(double x) const { return m_call(m_object, x); }

private:
    const void* m_object;
    double (*m_call)(const void*, double);
};
