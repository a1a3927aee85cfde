// Writes the day-by-day list of the Umm al-Qura calendar that the engine tests compare the Hijri
// table with: one line per Gregorian day from 1 MuHarram 1318 to the last day of 1500, the
// Gregorian date and the Hijri date. It uses the Umm al-Qura chronology of the Java runtime
// (java.time.chrono.HijrahChronology), an implementation independent of the ICU library that
// the table comes from. Run once, the output is kept as test data:
//   java tools/hijritable/UmmAlQuraDays.java > tests/engine/data/umm-al-qura-days.txt
import java.time.LocalDate;
import java.time.chrono.HijrahChronology;
import java.time.chrono.HijrahDate;
import java.time.temporal.ChronoField;

public class UmmAlQuraDays {
    public static void main(String[] arguments) {
        HijrahChronology umAlQura = HijrahChronology.INSTANCE;
        if (!umAlQura.getCalendarType().equals("islamic-umalqura")) {
            throw new IllegalStateException("not the Umm al-Qura chronology: " + umAlQura.getCalendarType());
        }
        LocalDate day = LocalDate.from(umAlQura.date(1318, 1, 1));
        LocalDate end = LocalDate.from(umAlQura.date(1501, 1, 1));
        StringBuilder out = new StringBuilder();
        for (; day.isBefore(end); day = day.plusDays(1)) {
            HijrahDate hijri = umAlQura.date(day);
            out.append(String.format("%s %04d-%02d-%02d\n", day, hijri.get(ChronoField.YEAR),
                                     hijri.get(ChronoField.MONTH_OF_YEAR), hijri.get(ChronoField.DAY_OF_MONTH)));
        }
        System.out.print(out);
    }
}
