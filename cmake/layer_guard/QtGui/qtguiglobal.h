// Every Qt GUI header includes this one first; logic layers see this copy instead.
#error "This layer must not use Qt GUI: only ui/, the shell services' Qt target and apps/ may."
